// S-1005 INI reader.
#include "esocial/events/event_ini.h"
#include "esocial/events/tables_periodic/s1005_establishment_table.h"

namespace esocial::s1005 {

namespace {

// procAdmJudRat and procAdmJudFap: read, and made by Obter, when any of their keys is given.
template <class TObter>
void LerProcesso(const TLeitorIniEvento& ini, const char* Secao, TObter Obter) {
  if (!ini.AlgumaChave(Secao, {"tpProc", "nrProc", "codSusp"})) return;
  auto& proc = Obter();
  proc.tpProc = ini.CodigoEstrito(Secao, "tpProc", "", StrToTpProc);
  proc.nrProc = ini.Texto(Secao, "nrProc");
  proc.codSusp = ini.Texto(Secao, "codSusp");
}

}  // namespace

bool TEvtTabEstab::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtTabEstab");
  ModoLancamento = ini.ModoLancamento("evtTabEstab");
  ini.LerIdeEvento(ideEvento);
  ini.LerIdeEmpregador(ideEmpregador, *this);

  TIdeEstab& ide = infoEstab.IdeEstab;
  ide.tpInsc = ini.CodigoEstrito("ideEstab", "tpInsc", "1", StrToTpInsc);
  ide.nrInsc = ini.Texto("ideEstab", "nrInsc");
  ide.iniValid = ini.Texto("ideEstab", "iniValid");
  ide.fimValid = ini.Texto("ideEstab", "fimValid");

  if (ModoLancamento != mlExclusao) {
    TDadosEstab& dados = infoEstab.DadosEstab();
    dados.cnaePrep = ini.Texto("dadosEstab", "cnaePrep");
    dados.cnpjResp = ini.Texto("dadosEstab", "cnpjResp");
    TAliqGilRat& aliq = dados.aliqGilrat;
    aliq.AliqRat = ini.CodigoEstrito("aliqGilrat", "aliqRat", "1", StrToAliqRat);
    aliq.Fap = ini.Decimal("aliqGilrat", "fap");
    aliq.AliqRatAjust = ini.Decimal("aliqGilrat", "aliqRatAjust");
    LerProcesso(ini, "procAdmJudRat", [&]() -> TProcAdmJudRat& { return aliq.ProcAdmJudRat(); });
    LerProcesso(ini, "procAdmJudFap", [&]() -> TProcAdmJudFap& { return aliq.ProcAdmJudFap(); });
    if (!ini.Texto("infoCaepf", "tpCaepf").empty())
      dados.infoCaepf().tpCaepf = ini.CodigoEstrito("infoCaepf", "tpCaepf", "", StrToCaepf);
    if (!ini.Texto("infoObra", "indSubstPatrObra").empty())
      dados.infoObra().indSubstPatrObra =
          ini.CodigoEstrito("infoObra", "indSubstPatrObra", "", StrToIndSubstPatronalObra);

    // Each group only when something of it is given: its quota code is required by the 2.x
    // layouts, so an empty group would make their document invalid.
    TInfoTrab& trab = dados.infoTrab;
    if (ini.AlgumaChave("infoApr", {"contApr", "nrProcJud"})) {
      trab.infoApr().contApr = ini.Texto("infoApr", "contApr");
      trab.infoApr().nrProcJud = ini.Texto("infoApr", "nrProcJud");
    }
    ini.LerLista("infoEntEduc", 2, "nrInsc", [&](int, const std::string&, const std::string& nrInsc) {
      trab.infoApr().infoEntEduc.New().nrInsc = nrInsc;
    });
    if (ini.AlgumaChave("infoPCD", {"contPCD", "nrProcJud"})) {
      trab.infoPCD().contPCD = ini.Texto("infoPCD", "contPCD");
      trab.infoPCD().nrProcJud = ini.Texto("infoPCD", "nrProcJud");
    }
  }

  if (ModoLancamento == mlAlteracao) {
    TIdePeriodo& validade = infoEstab.NovaValidade();
    validade.IniValid = ini.Texto("novaValidade", "iniValid");
    validade.FimValid = ini.Texto("novaValidade", "fimValid");
  }
  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s1005
