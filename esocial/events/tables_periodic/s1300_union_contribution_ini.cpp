// S-1300 INI reader.
#include "esocial/events/event_ini.h"
#include "esocial/events/tables_periodic/s1300_union_contribution.h"

namespace esocial::s1300 {

bool TEvtContrSindPatr::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtContrSindPatr");
  ini.LerIdeEvento3(IdeEvento, false);
  ini.LerIdeEmpregador(IdeEmpregador, *this);
  ini.LerLista("contribSind", 3, "cnpjSindic", [&](int, const std::string& secao, const std::string& cnpjSindic) {
    TContribSindItem& contrib = ContribSind.New();
    contrib.cnpjSindic = cnpjSindic;
    contrib.tpContribSind = ini.Texto(secao, "tpContribSind");
    contrib.vlrContribSind = ini.Decimal(secao, "vlrContribSind");
  });
  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s1300
