// S-1000 writer.
#include "esocial/events/tables_periodic/s1000_employer_information.h"

#include <string>

#include "esocial/configuration_esocial.h"
#include "esocial/events/event_frame.h"

namespace esocial::s1000 {

using dfe::tcDat;
using dfe::tcDe2;
using dfe::tcInt;
using dfe::tcStr;

bool TevtInfoEmpregador::GerarXML() {
  return GerarDocumentoeSocial(*this, "evtInfoEmpregador", ideEmpregador.NrInsc, [&] {
    GerarIdeEvento(ideEvento);
    GerarIdeEmpregador(ideEmpregador);
    GerarCorpoTabela(
        *this, "infoEmpregador", ModoLancamento, [&] { GerarIdePeriodo(infoEmpregador.idePeriodo, "idePeriodo"); },
        [&] {
          // From S-1.02 on, the register data are not given in an event of a judicial process.
          if (VersaoDF() <= veS01_01_00 || ideEvento.ProcEmi != peAplicGovEvtJud)
            GerarInfoCadastro(infoEmpregador.infoCadastro());
        },
        infoEmpregador.novaValidadeInst() ? &infoEmpregador.novaValidade() : nullptr);
  });
}

void TevtInfoEmpregador::GerarInfoCadastro(TInfoCadastro& Info) {
  const bool s1 = VersaoDF() >= veS01_00_00;
  const bool cnpj = ideEmpregador.TpInsc == tiCNPJ;
  const tpClassTrib classe = Info.ClassTrib;
  Gerador().wGrupo("infoCadastro");
  if (!s1) Gerador().wCampo(tcStr, "", "nmRazao", 1, 100, 1, Info.NmRazao);
  Gerador().wCampo(tcStr, "", "classTrib", 2, 2, 1, ClassTribToStr(classe));
  if (!s1 && cnpj) Gerador().wCampo(tcStr, "", "natJurid", 4, 4, 0, Info.NatJurid);
  if (cnpj) {
    Gerador().wCampo(tcStr, "", "indCoop", 1, 1, 0, IndCoopToStr(Info.IndCoop));
    Gerador().wCampo(tcStr, "", "indConstr", 1, 1, 0, IndConstrToStr(Info.IndConstr));
  }
  Gerador().wCampo(tcStr, "", "indDesFolha", 1, 1, 1, IndDesFolhaToStr(Info.IndDesFolha));
  // The S-1 layouts take the option from the rural producers of the classifications 07 and 21.
  const bool produtorRural = s1 ? classe == ct07 || classe == ct21
                                : VersaoDF() >= ve02_05_00 && (classe == ct07 || classe == ct08 || classe == ct21);
  if (produtorRural && Info.IndOpcCP != icpNenhum)
    Gerador().wCampo(tcStr, "", "indOpcCP", 1, 1, 0, IndOpcCPToStr(Info.IndOpcCP));
  if (VersaoDF() >= ve02_05_00 && classe != ct21 && classe != ct22 && Info.IndPorte == tpSim)
    Gerador().wCampo(tcStr, "", "indPorte", 1, 1, 0, SimNaoToStr(Info.IndPorte));
  Gerador().wCampo(tcStr, "", "indOptRegEletron", 1, 1, 1, IndOptRegEletronToStr(Info.IndOptRegEletron));

  if (!s1) {
    if (cnpj) Gerador().wCampo(tcStr, "", "indEntEd", 0, 1, 0, SimNaoFacultativoToStr(Info.IndEntEd));
    Gerador().wCampo(tcStr, "", "indEtt", 1, 1, 1, SimNaoFacultativoToStr(Info.IndEtt));
    Gerador().wCampo(tcStr, "", "nrRegEtt", 2, 30, 0, Info.nrRegEtt);
    if (Info.dadosIsencaoInst()) GerarDadosIsencao(Info.DadosIsencao());
    GerarContatoEmpregador(Info.Contato);
    if (Configuracoes().Geral->TipoEmpregador() == teOrgaoPublico) GerarInfoOP(Info.InfoOp);
    GerarInfoOrgInternacional(Info);
    GerarSoftwareHouse(Info.SoftwareHouse);
    // Its two groups are not in the model; the layout requires the group itself.
    Gerador().wGrupo("infoComplementares");
    Gerador().wGrupo("/infoComplementares");
  } else {
    Gerador().wCampo(tcStr, "", "cnpjEFR", 14, 14, 0, Info.cnpjEFR);
    if (VersaoDF() >= veS01_01_00) Gerador().wCampo(tcDat, "", "dtTrans11096", 10, 10, 0, Info.dtTrans11096);
    if ((VersaoDF() == veS01_01_00 || VersaoDF() == veS01_02_00) && Info.indTribFolhaPisCofins == snfSim)
      Gerador().wCampo(tcStr, "", "indTribFolhaPisCofins", 0, 1, 0, SimNaoFacultativoToStr(snfSim));
    if (VersaoDF() >= veS01_03_00 && Info.indTribFolhaPisPasep == snfSim)
      Gerador().wCampo(tcStr, "", "indTribFolhaPisPasep", 0, 1, 0, SimNaoFacultativoToStr(snfSim));
    if (Info.dadosIsencaoInst()) GerarDadosIsencao(Info.DadosIsencao());
    GerarInfoOrgInternacional(Info);
  }
  Gerador().wGrupo("/infoCadastro");
}

void TevtInfoEmpregador::GerarDadosIsencao(const TDadosIsencao& Dados) {
  Gerador().wGrupo("dadosIsencao");
  Gerador().wCampo(tcStr, "", "ideMinLei", 1, 70, 1, Dados.IdeMinLei);
  Gerador().wCampo(tcStr, "", "nrCertif", 1, 40, 1, Dados.NrCertif);
  Gerador().wCampo(tcDat, "", "dtEmisCertif", 10, 10, 1, Dados.DtEmisCertif);
  Gerador().wCampo(tcDat, "", "dtVencCertif", 10, 10, 1, Dados.DtVencCertif);
  Gerador().wCampo(tcStr, "", "nrProtRenov", 1, 40, 0, Dados.NrProtRenov);
  Gerador().wCampo(tcDat, "", "dtProtRenov", 10, 10, 0, Dados.DtProtRenov);
  Gerador().wCampo(tcDat, "", "dtDou", 10, 10, 0, Dados.DtDou);
  Gerador().wCampo(tcStr, "", "pagDou", 1, 5, 0, Dados.PagDou);
  Gerador().wGrupo("/dadosIsencao");
}

void TevtInfoEmpregador::GerarContatoEmpregador(const TContato& Contato) {
  Gerador().wGrupo("contato");
  Gerador().wCampo(tcStr, "", "nmCtt", 2, 70, 1, Contato.NmCtt);
  Gerador().wCampo(tcStr, "", "cpfCtt", 11, 11, 1, Contato.CpfCtt);
  Gerador().wCampo(tcStr, "", "foneFixo", 8, 13, 0, Contato.FoneFixo);
  Gerador().wCampo(tcStr, "", "foneCel", 8, 13, 0, Contato.FoneCel);
  Gerador().wCampo(tcStr, "", "email", 6, 60, 0, Contato.Email);
  Gerador().wGrupo("/contato");
}

void TevtInfoEmpregador::GerarInfoOP(const TInfoOP& InfoOP) {
  Gerador().wGrupo("infoOP");
  Gerador().wCampo(tcStr, "", "nrSiafi", 1, 6, 1, InfoOP.nrSiafi);
  const TInfoEFR& efr = InfoOP.infoEFR;
  if (efr.ideEFR != snfNada) {
    Gerador().wGrupo("infoEFR");
    Gerador().wCampo(tcStr, "", "ideEFR", 1, 1, 1, SimNaoFacultativoToStr(efr.ideEFR));
    Gerador().wCampo(tcStr, "", "cnpjEFR", 14, 14, 0, efr.cnpjEFR);
    Gerador().wGrupo("/infoEFR");
  }
  const TInfoEnte& ente = InfoOP.infoEnte;
  if (!ente.nmEnte.empty()) {
    Gerador().wGrupo("infoEnte");
    Gerador().wCampo(tcStr, "", "nmEnte", 1, 100, 1, ente.nmEnte);
    Gerador().wCampo(tcStr, "", "uf", 2, 2, 1, ente.uf);
    Gerador().wCampo(tcInt, "", "codMunic", 7, 7, 0, ente.codMunic);
    Gerador().wCampo(tcStr, "", "indRPPS", 1, 1, 1, SimNaoToStr(ente.indRPPS));
    Gerador().wCampo(tcStr, "", "subteto", 1, 1, 1, ente.subteto > 0 ? std::to_string(ente.subteto) : "");
    Gerador().wCampo(tcDe2, "", "vrSubteto", 1, 14, 1, ente.vrSubteto);
    Gerador().wGrupo("/infoEnte");
  }
  Gerador().wGrupo("/infoOP");
}

void TevtInfoEmpregador::GerarInfoOrgInternacional(TInfoCadastro& Info) {
  if (!Info.infoOrgInternacionalInst()) return;
  Gerador().wGrupo("infoOrgInternacional");
  Gerador().wCampo(tcStr, "", "indAcordoIsenMulta", 1, 1, 1,
                   IndAcordoIsencaoMultaToStr(Info.InfoOrgInternacional().IndAcordoIsenMulta));
  Gerador().wGrupo("/infoOrgInternacional");
}

void TevtInfoEmpregador::GerarSoftwareHouse(const TSoftwareHouseCollection& Lista) {
  for (int i = 0; i < Lista.Count(); ++i) {
    const TSoftwareHouseCollectionItem& item = Lista.GetItem(i);
    Gerador().wGrupo("softwareHouse");
    Gerador().wCampo(tcStr, "", "cnpjSoftHouse", 14, 14, 1, item.CnpjSoftHouse);
    Gerador().wCampo(tcStr, "", "nmRazao", 1, 100, 1, item.NmRazao);
    Gerador().wCampo(tcStr, "", "nmCont", 2, 70, 1, item.NmCont);
    Gerador().wCampo(tcStr, "", "telefone", 8, 13, 1, item.Telefone);
    Gerador().wCampo(tcStr, "", "email", 6, 60, 0, item.email);
    Gerador().wGrupo("/softwareHouse");
  }
  AlertarLimiteLista("softwareHouse", "Lista de Software House", Lista.Count(), 99);
}

}  // namespace esocial::s1000
