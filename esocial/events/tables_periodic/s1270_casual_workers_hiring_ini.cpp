// S-1270 INI reader.
#include <string>

#include "esocial/events/event_ini.h"
#include "esocial/events/tables_periodic/s1270_casual_workers_hiring.h"

namespace esocial::s1270 {

bool TEvtContratAvNP::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtContratAvNP");
  ini.LerIdeEvento3(IdeEvento, true);
  ini.LerIdeEmpregador(IdeEmpregador, *this);
  ini.LerLista("remunAvNP", 3, "tpInsc", [&](int, const std::string& secao, const std::string&) {
    TRemunAvNPItem& item = remunAvNp.New();
    item.tpInsc = ini.CodigoEstrito(secao, "tpInsc", "", StrToTpInsc);
    item.nrInsc = ini.Texto(secao, "nrInsc");
    item.codLotacao = ini.Texto(secao, "codLotacao");
    item.vrBcCp00 = ini.Decimal(secao, "vrBcCp00");
    item.vrBcCp15 = ini.Decimal(secao, "vrBcCp15");
    item.vrBcCp20 = ini.Decimal(secao, "vrBcCp20");
    item.vrBcCp25 = ini.Decimal(secao, "vrBcCp25");
    item.vrBcCp13 = ini.Decimal(secao, "vrBcCp13");
    item.vrBcFgts = ini.Decimal(secao, "vrBcFgts");
    item.vrDescCP = ini.Decimal(secao, "vrDescCP");
  });
  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s1270
