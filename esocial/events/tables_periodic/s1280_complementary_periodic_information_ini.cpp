// S-1280 INI reader.
#include <string>

#include "esocial/events/event_ini.h"
#include "esocial/events/tables_periodic/s1280_complementary_periodic_information.h"

namespace esocial::s1280 {

namespace {

using N = TLeitorIniEvento;

// Sections infoSubstPatrOpPort<iiii>. The 2.x layouts name an operator by its CNPJ, the S-1
// layouts by a tax allocation: the list ends where a section gives neither.
void LerOperadores(const TLeitorIniEvento& ini, TEvtInfoComplPer& evento) {
  for (int i = 1; i <= N::UltimoNumero(4); ++i) {
    const std::string secao = N::NomeSecao("infoSubstPatrOpPort", i, 4);
    const std::string codLotacao = ini.Texto(secao, "codLotacao", "FIM");
    const std::string cnpjOpPortuario = ini.Texto(secao, "cnpjOpPortuario", "FIM");
    if (N::FimDaLista(codLotacao) && N::FimDaLista(cnpjOpPortuario)) break;
    TInfoSubstPatrOpPortItem& item = evento.InfoSubstPatrOpPort().New();
    if (!N::FimDaLista(codLotacao)) item.codLotacao = codLotacao;
    if (!N::FimDaLista(cnpjOpPortuario)) item.cnpjOpPortuario = cnpjOpPortuario;
  }
}

}  // namespace

bool TEvtInfoComplPer::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtInfoComplPer");
  ini.LerIdeEvento3(IdeEvento, true);
  ini.LerIdeEmpregador(IdeEmpregador, *this);

  if (!ini.Texto("infoSubstPatr", "indSubstPatr").empty()) {
    TInfoSubstPatr& subst = InfoSubstPatr();
    subst.indSubstPatr = ini.CodigoEstrito("infoSubstPatr", "indSubstPatr", "", StrToIndSubstPatr);
    subst.percRedContrib = ini.Decimal("infoSubstPatr", "percRedContrib");
  }

  LerOperadores(ini, *this);

  TInfoAtivConcom& concom = InfoAtivConcom();
  concom.fatorMes = ini.Decimal("infoAtivConcom", "fatorMes");
  concom.fator13 = ini.Decimal("infoAtivConcom", "fator13");

  const std::string chave = ini.Ini().ValueExists("infoPercTransf11096", "percTrans") ? "percTrans" : "percTransf";
  if (!ini.Texto("infoPercTransf11096", chave).empty())
    infoPercTransf11096().percTransf = ini.InteiroExato<int>("infoPercTransf11096", chave);
  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s1280
