// S-1000 INI reader.
#include "esocial/events/event_ini.h"
#include "esocial/events/tables_periodic/s1000_employer_information.h"

namespace esocial::s1000 {

bool TevtInfoEmpregador::LerArqIni(const std::string& AIniString) {
  TLeitorIniEvento ini(AIniString);
  ini.LerIdentificacao(*this, "evtInfoEmpregador");
  ModoLancamento = ini.ModoLancamento("evtInfoEmpregador");
  ini.LerIdeEvento(ideEvento);
  ini.LerIdeEmpregador(ideEmpregador, *this);
  infoEmpregador.idePeriodo.IniValid = ini.Texto("idePeriodo", "iniValid");
  infoEmpregador.idePeriodo.FimValid = ini.Texto("idePeriodo", "fimValid");

  if (ModoLancamento != mlExclusao) {
    TInfoCadastro& info = infoEmpregador.infoCadastro();
    info.NmRazao = ini.Texto("infoCadastro", "nmRazao");
    info.ClassTrib = ini.CodigoEstrito("infoCadastro", "classTrib", "00", StrToClassTrib);
    info.NatJurid = ini.Texto("infoCadastro", "natJurid");
    info.IndCoop = ini.CodigoEstrito("infoCadastro", "indCoop", "0", StrToIndCoop);
    info.IndConstr = ini.CodigoEstrito("infoCadastro", "indConstr", "0", StrToIndConstr);
    info.IndDesFolha = ini.CodigoEstrito("infoCadastro", "indDesFolha", "0", StrToIndDesFolha);
    info.IndOpcCP = ini.CodigoEstrito("infoCadastro", "indOpcCP", "", StrToIndOpcCP, icpNenhum);
    // An absent key declares a small enterprise.
    info.IndPorte = ini.CodigoEstrito("infoCadastro", "indPorte", "S", StrToSimNao);
    info.IndOptRegEletron = ini.CodigoEstrito("infoCadastro", "indOptRegEletron", "0", StrToIndOptRegEletron);
    info.IndEntEd = ini.CodigoEstrito("infoCadastro", "indEntEd", "", StrToSimNaoFacultativo);
    info.IndEtt = ini.CodigoEstrito("infoCadastro", "indEtt", "", StrToSimNaoFacultativo);
    info.nrRegEtt = ini.Texto("infoCadastro", "nrRegEtt");
    info.cnpjEFR = ini.Texto("infoCadastro", "cnpjEFR");
    info.dtTrans11096 = ini.Data("infoCadastro", "dtTrans11096");
    info.indTribFolhaPisCofins = ini.CodigoEstrito("infoCadastro", "indTribFolhaPisCofins", "", StrToSimNaoFacultativo);
    info.indTribFolhaPisPasep = ini.CodigoEstrito("infoCadastro", "indTribFolhaPisPasep", "", StrToSimNaoFacultativo);

    if (ini.AlgumaChave("dadosIsencao", {"ideMinLei", "nrCertif", "dtEmisCertif", "dtVencCertif", "nrProtRenov",
                                         "dtProtRenov", "dtDou", "pagDou"})) {
      TDadosIsencao& isencao = info.DadosIsencao();
      isencao.IdeMinLei = ini.Texto("dadosIsencao", "ideMinLei");
      isencao.NrCertif = ini.Texto("dadosIsencao", "nrCertif");
      isencao.DtEmisCertif = ini.Data("dadosIsencao", "dtEmisCertif");
      isencao.DtVencCertif = ini.Data("dadosIsencao", "dtVencCertif");
      isencao.NrProtRenov = ini.Texto("dadosIsencao", "nrProtRenov");
      isencao.DtProtRenov = ini.Data("dadosIsencao", "dtProtRenov");
      isencao.DtDou = ini.Data("dadosIsencao", "dtDou");
      isencao.PagDou = ini.Texto("dadosIsencao", "pagDou");
    }

    info.Contato.NmCtt = ini.Texto("contato", "nmCtt");
    info.Contato.CpfCtt = ini.Texto("contato", "cpfCtt");
    info.Contato.FoneFixo = ini.Texto("contato", "foneFixo");
    info.Contato.FoneCel = ini.Texto("contato", "foneCel");
    info.Contato.Email = ini.Texto("contato", "email");

    TInfoOP& op = info.InfoOp;
    op.nrSiafi = ini.Texto("infoOP", "nrSiafi");
    op.infoEFR.ideEFR = ini.CodigoEstrito("infoEFR", "ideEFR", "", StrToSimNaoFacultativo);
    op.infoEFR.cnpjEFR = ini.Texto("infoEFR", "cnpjEFR");
    op.infoEnte.nmEnte = ini.Texto("infoEnte", "nmEnte");
    op.infoEnte.uf = ini.Texto("infoEnte", "uf");
    op.infoEnte.codMunic = ini.Inteiro("infoEnte", "codMunic");
    op.infoEnte.indRPPS = ini.CodigoEstrito("infoEnte", "indRPPS", "S", StrToSimNao);
    op.infoEnte.subteto = ini.Inteiro("infoEnte", "subteto");
    op.infoEnte.vrSubteto = ini.Decimal("infoEnte", "vrSubteto");

    if (!ini.Texto("infoOrgInternacional", "indAcordoIsenMulta").empty())
      info.InfoOrgInternacional().IndAcordoIsenMulta =
          ini.CodigoEstrito("infoOrgInternacional", "indAcordoIsenMulta", "", StrToIndAcordoIsencaoMulta);

    ini.LerLista("softwareHouse", 2, "cnpjSoftHouse", [&](int, const std::string& secao, const std::string& cnpj) {
      TSoftwareHouseCollectionItem& item = info.SoftwareHouse.New();
      item.CnpjSoftHouse = cnpj;
      item.NmRazao = ini.Texto(secao, "nmRazao");
      item.NmCont = ini.Texto(secao, "nmCont");
      item.Telefone = ini.Texto(secao, "telefone");
      item.email = ini.Texto(secao, "email");
    });
  }

  if (ModoLancamento == mlAlteracao) {
    TIdePeriodo& validade = infoEmpregador.novaValidade();
    validade.IniValid = ini.Texto("novaValidade", "iniValid");
    validade.FimValid = ini.Texto("novaValidade", "fimValid");
  }
  return GerarEAtribuirXML(*this);
}

}  // namespace esocial::s1000
