// S-2245 INI reader.
#include "esocial/events/event_ini.h"
#include "esocial/events/non_periodic/s2245_training.h"

namespace esocial::s2245 {

bool TEvtTreiCap::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtTreiCap");
  ini.LerIdeEvento2(IdeEvento);
  ini.LerIdeEmpregador(IdeEmpregador, *this);
  ini.LerIdeVinculo(IdeVinculo, true);
  treiCap.codTreiCap = ini.Texto("treiCap", "codTreiCap");
  treiCap.obsTreiCap = ini.Texto("treiCap", "obsTreiCap");
  // Codes left out stay not informed: the optional ones are not written, the required ones
  // go out empty with their alert.
  TInfoComplem& c = treiCap.infoComplem;
  c.dtTreiCap = ini.Data("infoComplem", "dtTreiCap");
  c.durTreiCap = ini.Decimal("infoComplem", "durTreiCap");
  c.modTreiCap = ini.CodigoEstrito("infoComplem", "modTreiCap", "", StrToModTreiCap);
  c.tpTreiCap = ini.CodigoEstrito("infoComplem", "tpTreiCap", "", StrToTpTreiCap);
  c.indTreinAnt = ini.CodigoEstrito("infoComplem", "indTreinAnt", "", StrToSimNao);
  ini.LerLista("ideProfResp", 2, "nmProf", [&](int, const std::string& secao, const std::string& nmProf) {
    TIdeProfRespCollectionItem& prof = c.ideProfResp.New();
    prof.cpfProf = ini.Texto(secao, "cpfProf");
    prof.nmProf = nmProf;
    prof.tpProf = ini.CodigoEstrito(secao, "tpProf", "", StrToTpProf);
    prof.formProf = ini.Texto(secao, "formProf");
    prof.codCBO = ini.Texto(secao, "codCBO");
    prof.nacProf = ini.CodigoEstrito(secao, "nacProf", "", StrToNacProf);
  });
  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s2245
