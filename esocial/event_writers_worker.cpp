// Writers of the worker's personal data: trabalhador / dadosTrabalhador and their groups.
#include <string>

#include "dfe/xml_writer.h"
#include "esocial/event_base.h"
#include "esocial/event_writers_internal.h"

namespace esocial {

using dfe::tcDat;
using dfe::tcInt;
using dfe::tcStr;

namespace {

// RIC, RG and RNE differ only in their names.
void EscreverDocumentoIdentidade(TeSocialEvento& Evento, const std::string& Grupo, const std::string& TagNumero,
                                 const std::string& Numero, const std::string& OrgaoEmissor,
                                 platform::TDateTime DtExped) {
  if (Numero.empty()) return;
  dfe::TGerador& g = Evento.Gerador();
  g.wGrupo(Grupo);
  g.wCampo(tcStr, "", TagNumero, 1, 14, 1, Numero);
  g.wCampo(tcStr, "", "orgaoEmissor", 1, 20, 1, OrgaoEmissor);
  g.wCampo(tcDat, "", "dtExped", 10, 10, 0, DtExped);
  g.wGrupo("/" + Grupo);
}

// Whether any field of either address is given.
bool EnderecoInformado(const TEndereco& pEndereco) {
  const TBrasil& b = pEndereco.Brasil;
  const TExterior& x = pEndereco.Exterior;
  return !b.TpLograd.empty() || !b.DscLograd.empty() || !b.NrLograd.empty() || !b.Complemento.empty() ||
         !b.Bairro.empty() || !b.Cep.empty() || b.CodMunic != 0 || !b.UF.empty() || !x.PaisResid.empty() ||
         !x.DscLograd.empty() || !x.NrLograd.empty() || !x.Complemento.empty() || !x.Bairro.empty() ||
         !x.NmCid.empty() || !x.CodPostal.empty();
}

// Whether infoDeficiencia is written: DefMotora is neither a reason to write it nor one of its
// fields.
bool DeficienciaInformada(const TInfoDeficiencia& d) {
  return d.DefFisica == tpSim || d.DefVisual == tpSim || d.DefAuditiva == tpSim || d.DefMental == tpSim ||
         d.DefIntelectual == tpSim || d.ReabReadap == tpSim || d.infoCota == snfSim;
}

void AlertarGrupoDaCategoria308(TeSocialEvento& Evento, const std::string& Grupo) {
  Evento.Gerador().wAlerta("", Grupo, "", "Grupo não aceito na categoria 308: dados não enviados");
}

}  // namespace

void TeSocialEvento::GerarTrabalhador(const TTrabalhador& pTrabalhador, tpSimNao CadIni, const std::string& GroupName,
                                      int Tipo, int CodCateg) {
  const bool ate25 = VersaoDF() <= ve02_05_00;
  Gerador().wGrupo(GroupName);
  if (GroupName == "trabalhador") Gerador().wCampo(tcStr, "", "cpfTrab", 11, 11, 1, pTrabalhador.CpfTrab);
  if (ate25) Gerador().wCampo(tcStr, "", "nisTrab", 1, 11, OcorrenciaNisTrab(CodCateg), pTrabalhador.NisTrab);
  Gerador().wCampo(tcStr, "", "nmTrab", 1, 70, 1, pTrabalhador.NmTrab);
  Gerador().wCampo(tcStr, "", "sexo", 1, 1, 1, pTrabalhador.Sexo);
  Gerador().wCampo(tcInt, "", "racaCor", 1, 1, 1, pTrabalhador.RacaCor);
  if (pTrabalhador.EstCiv >= 1 && pTrabalhador.EstCiv <= 5)
    Gerador().wCampo(tcInt, "", "estCiv", 1, 1, 0, pTrabalhador.EstCiv);
  Gerador().wCampo(tcStr, "", "grauInstr", 2, 2, 1, pTrabalhador.GrauInstr);
  if (ate25 && Tipo == 2 && CadIni == tpNao)
    Gerador().wCampo(tcStr, "", "indPriEmpr", 1, 1, 0, SimNaoToStr(pTrabalhador.IndPriEmpr));
  Gerador().wCampo(tcStr, "", "nmSoc", 1, 70, 0, pTrabalhador.nmSoc);
  if (GroupName == "trabalhador") {
    GerarNascimento(pTrabalhador.Nascimento, "nascimento");
  } else if (GroupName == "dadosTrabalhador") {
    if (VersaoDF() == ve02_04_02 || VersaoDF() == ve02_05_00)
      GerarNascimento(pTrabalhador.Nascimento, "nascimento");
    else if (VersaoDF() >= veS01_00_00)
      Gerador().wCampo(tcStr, "", "paisNac", 1, 3, 1, pTrabalhador.PaisNac);
  }
  if (ate25) GerarDocumentos(pTrabalhador.Documentos);
  // From S-1.02 the layout takes no address, disability or contact of a worker without bond
  // of category 308: what was given of them is dropped with an alert.
  const bool semContato = Tipo == 3 && CodCateg == 308 && VersaoDF() >= veS01_02_00;
  const bool comEndereco = EnderecoInformado(pTrabalhador.Endereco);
  // The address is optional from S-1.02 on: a worker without one gets no empty group.
  if (semContato) {
    if (comEndereco) AlertarGrupoDaCategoria308(*this, "endereco");
  } else if (VersaoDF() < veS01_02_00 || comEndereco) {
    GerarEndereco(pTrabalhador.Endereco, pTrabalhador.ExtrangeiroSN);
  }
  if (VersaoDF() >= veS01_00_00)
    GerarTrabImig(pTrabalhador.trabImig);
  else
    GerarTrabEstrangeiro(pTrabalhador.TrabEstrangeiro);
  if (!semContato)
    GerarInfoDeficiencia(pTrabalhador.InfoDeficiencia, Tipo);
  else if (DeficienciaInformada(pTrabalhador.InfoDeficiencia))
    AlertarGrupoDaCategoria308(*this, "infoDeficiencia");
  // The dependents of a worker without bond have no sexoDep in the S-1 layouts.
  GerarDependente(pTrabalhador.Dependente, false,
                  Tipo == 3 && VersaoDF() >= veS01_00_00 ? TSexoDep::Omitido : TSexoDep::Opcional);
  if ((Tipo == 1 || Tipo == 2) && ate25) GerarAposentadoria(pTrabalhador.Aposentadoria);
  if (!semContato)
    GerarContato(pTrabalhador.Contato);
  else if (!pTrabalhador.Contato.FonePrinc.empty() || !pTrabalhador.Contato.EmailPrinc.empty())
    AlertarGrupoDaCategoria308(*this, "contato");
  Gerador().wGrupo("/" + GroupName);
}

void TeSocialEvento::GerarNascimento(const TNascimento& pNascimento, const std::string& GroupName) {
  const bool ate25 = VersaoDF() <= ve02_05_00;
  Gerador().wGrupo(GroupName);
  Gerador().wCampo(tcDat, "", "dtNascto", 10, 10, 1, pNascimento.dtNascto);
  if (ate25) {
    Gerador().wCampo(tcInt, "", "codMunic", 1, 7, 0, pNascimento.codMunic);
    Gerador().wCampo(tcStr, "", "uf", 2, 2, 0, pNascimento.UF);
  }
  Gerador().wCampo(tcStr, "", "paisNascto", 1, 3, 1, pNascimento.PaisNascto);
  Gerador().wCampo(tcStr, "", "paisNac", 1, 3, 1, pNascimento.PaisNac);
  if (ate25) {
    Gerador().wCampo(tcStr, "", "nmMae", 1, 70, 0, pNascimento.NmMae);
    Gerador().wCampo(tcStr, "", "nmPai", 1, 70, 0, pNascimento.NmPai);
  }
  Gerador().wGrupo("/" + GroupName);
}

void TeSocialEvento::GerarDocumentos(const TDocumentos& pDocumentos) {
  if (pDocumentos.CTPS.NrCtps.empty() && pDocumentos.RIC.NrRic.empty() && pDocumentos.RG.NrRg.empty() &&
      pDocumentos.RNE.NrRne.empty() && pDocumentos.OC.NrOc.empty() && pDocumentos.CNH.nrRegCnh.empty())
    return;
  Gerador().wGrupo("documentos");
  GerarCTPS(pDocumentos.CTPS);
  GerarRIC(pDocumentos.RIC);
  GerarRG(pDocumentos.RG);
  GerarRNE(pDocumentos.RNE);
  GerarOC(pDocumentos.OC);
  GerarCNH(pDocumentos.CNH);
  Gerador().wGrupo("/documentos");
}

void TeSocialEvento::GerarCTPS(const TCTPS& pCTPS) {
  if (pCTPS.NrCtps.empty()) return;
  Gerador().wGrupo("CTPS");
  Gerador().wCampo(tcStr, "", "nrCtps", 1, 11, 1, pCTPS.NrCtps);
  Gerador().wCampo(tcStr, "", "serieCtps", 1, 5, 1, pCTPS.SerieCtps);
  Gerador().wCampo(tcStr, "", "ufCtps", 2, 2, 1, pCTPS.UfCtps);
  Gerador().wGrupo("/CTPS");
}

void TeSocialEvento::GerarRIC(const TRIC& pRIC) {
  EscreverDocumentoIdentidade(*this, "RIC", "nrRic", pRIC.NrRic, pRIC.OrgaoEmissor, pRIC.DtExped);
}

void TeSocialEvento::GerarRG(const TRG& pRG) {
  EscreverDocumentoIdentidade(*this, "RG", "nrRg", pRG.NrRg, pRG.OrgaoEmissor, pRG.DtExped);
}

void TeSocialEvento::GerarRNE(const TRNE& pRNE) {
  EscreverDocumentoIdentidade(*this, "RNE", "nrRne", pRNE.NrRne, pRNE.OrgaoEmissor, pRNE.DtExped);
}

void TeSocialEvento::GerarOC(const TOC& pOC) {
  if (pOC.NrOc.empty()) return;
  Gerador().wGrupo("OC");
  Gerador().wCampo(tcStr, "", "nrOc", 1, 14, 1, pOC.NrOc);
  Gerador().wCampo(tcStr, "", "orgaoEmissor", 1, 20, 1, pOC.OrgaoEmissor);
  Gerador().wCampo(tcDat, "", "dtExped", 10, 10, 0, pOC.DtExped);
  Gerador().wCampo(tcDat, "", "dtValid", 10, 10, 0, pOC.DtValid);
  Gerador().wGrupo("/OC");
}

void TeSocialEvento::GerarCNH(const TCNH& pCNH) {
  if (pCNH.nrRegCnh.empty()) return;
  Gerador().wGrupo("CNH");
  Gerador().wCampo(tcStr, "", "nrRegCnh", 1, 12, 1, pCNH.nrRegCnh);
  Gerador().wCampo(tcDat, "", "dtExped", 10, 10, 0, pCNH.DtExped);
  Gerador().wCampo(tcStr, "", "ufCnh", 2, 2, 1, pCNH.ufCnh);
  Gerador().wCampo(tcDat, "", "dtValid", 10, 10, 1, pCNH.DtValid);
  Gerador().wCampo(tcDat, "", "dtPriHab", 10, 10, 0, pCNH.dtPriHab);
  Gerador().wCampo(tcStr, "", "categoriaCnh", 1, 2, 1, CnhToStr(pCNH.categoriaCnh));
  Gerador().wGrupo("/CNH");
}

void TeSocialEvento::GerarEndereco(const TEndereco& pEndereco, bool Estrangeiro) {
  Gerador().wGrupo("endereco");
  const std::string& paisResid = pEndereco.Exterior.PaisResid;
  if (Estrangeiro && !paisResid.empty() && paisResid != "105")
    GerarEnderecoExterior(pEndereco.Exterior);
  else
    GerarEnderecoBrasil(pEndereco.Brasil, "brasil");
  Gerador().wGrupo("/endereco");
}

void TeSocialEvento::GerarEnderecoBrasil(const TBrasil& pBrasil, const std::string& GroupName) {
  Gerador().wGrupo(GroupName);
  Gerador().wCampo(tcStr, "", "tpLograd", 1, 4, 0, pBrasil.TpLograd);
  Gerador().wCampo(tcStr, "", "dscLograd", 1, MaximoDscLograd(VersaoDF()), 1, pBrasil.DscLograd);
  Gerador().wCampo(tcStr, "", "nrLograd", 1, 10, 1, pBrasil.NrLograd);
  Gerador().wCampo(tcStr, "", "complemento", 1, 30, 0, pBrasil.Complemento);
  Gerador().wCampo(tcStr, "", "bairro", 1, MaximoBairro(VersaoDF()), 0, pBrasil.Bairro);
  Gerador().wCampo(tcStr, "", "cep", 1, 8, 1, pBrasil.Cep);
  Gerador().wCampo(tcInt, "", "codMunic", 7, 7, 1, pBrasil.CodMunic);
  Gerador().wCampo(tcStr, "", "uf", 2, 2, 1, pBrasil.UF);
  Gerador().wGrupo("/" + GroupName);
}

void TeSocialEvento::GerarEnderecoExterior(const TExterior& pExterior) {
  Gerador().wGrupo("exterior");
  Gerador().wCampo(tcStr, "", "paisResid", 1, 3, 1, pExterior.PaisResid);
  Gerador().wCampo(tcStr, "", "dscLograd", 1, MaximoDscLograd(VersaoDF()), 1, pExterior.DscLograd);
  Gerador().wCampo(tcStr, "", "nrLograd", 1, 10, 1, pExterior.NrLograd);
  Gerador().wCampo(tcStr, "", "complemento", 1, 30, 0, pExterior.Complemento);
  Gerador().wCampo(tcStr, "", "bairro", 1, MaximoBairro(VersaoDF()), 0, pExterior.Bairro);
  Gerador().wCampo(tcStr, "", "nmCid", 1, 50, 1, pExterior.NmCid);
  Gerador().wCampo(tcStr, "", "codPostal", 1, 12, 0, pExterior.CodPostal);
  Gerador().wGrupo("/exterior");
}

void TeSocialEvento::GerarTrabEstrangeiro(const TTrabEstrangeiro& pTrabEstrangeiro) {
  if (!(pTrabEstrangeiro.DtChegada > 0)) return;
  Gerador().wGrupo("trabEstrangeiro");
  Gerador().wCampo(tcDat, "", "dtChegada", 10, 10, 1, pTrabEstrangeiro.DtChegada);
  Gerador().wCampo(tcStr, "", "classTrabEstrang", 1, 2, 1, ClassTrabEstrangToStr(pTrabEstrangeiro.ClassTrabEstrang));
  Gerador().wCampo(tcStr, "", "casadoBr", 1, 1, 1, pTrabEstrangeiro.CasadoBr);
  Gerador().wCampo(tcStr, "", "filhosBr", 1, 1, 1, pTrabEstrangeiro.FilhosBr);
  Gerador().wGrupo("/trabEstrangeiro");
}

void TeSocialEvento::GerarTrabImig(const TtrabImig& pTrabImig) {
  if (pTrabImig.condIng == tciNenhum) return;
  Gerador().wGrupo("trabImig");
  // "No term" has the code 0, which the layout does not know: the optional field is left out.
  if (pTrabImig.tmpResid != ttrNenhum)
    Gerador().wCampo(tcStr, "", "tmpResid", 1, 1, 0, TmpResidToStr(pTrabImig.tmpResid));
  Gerador().wCampo(tcStr, "", "condIng", 1, 1, 1, CondIngToStr(pTrabImig.condIng));
  Gerador().wGrupo("/trabImig");
}

void TeSocialEvento::GerarInfoDeficiencia(const TInfoDeficiencia& pInfoDeficiencia, int Tipo) {
  const TInfoDeficiencia& d = pInfoDeficiencia;
  if (!DeficienciaInformada(d)) return;
  Gerador().wGrupo("infoDeficiencia");
  Gerador().wCampo(tcStr, "", "defFisica", 1, 1, 1, SimNaoToStr(d.DefFisica));
  Gerador().wCampo(tcStr, "", "defVisual", 1, 1, 1, SimNaoToStr(d.DefVisual));
  Gerador().wCampo(tcStr, "", "defAuditiva", 1, 1, 1, SimNaoToStr(d.DefAuditiva));
  Gerador().wCampo(tcStr, "", "defMental", 1, 1, 1, SimNaoToStr(d.DefMental));
  Gerador().wCampo(tcStr, "", "defIntelectual", 1, 1, 1, SimNaoToStr(d.DefIntelectual));
  Gerador().wCampo(tcStr, "", "reabReadap", 1, 1, 1, SimNaoToStr(d.ReabReadap));
  if (Tipo != 3 && d.infoCota != snfNada)
    Gerador().wCampo(tcStr, "", "infoCota", 1, 1, 1, SimNaoFacultativoToStr(d.infoCota));
  Gerador().wCampo(tcStr, "", "observacao", 1, 255, 0, d.Observacao);
  Gerador().wGrupo("/infoDeficiencia");
}

void TeSocialEvento::GerarDependente(const TDependenteCollection& pDependente, bool FormaBeneficio, TSexoDep SexoDep) {
  // tpDep became optional in S-1.02, where "no type" has no code.
  const int ocorrenciaTpDep = VersaoDF() >= veS01_02_00 ? 0 : 1;
  for (int i = 0; i < pDependente.Count(); ++i) {
    const TDependenteCollectionItem& item = pDependente.GetItem(i);
    Gerador().wGrupo("dependente");
    Gerador().wCampo(tcStr, "", "tpDep", 2, 2, ocorrenciaTpDep, TpDepToStr(item.tpDep));
    Gerador().wCampo(tcStr, "", "nmDep", 1, 70, 1, item.nmDep);
    Gerador().wCampo(tcDat, "", "dtNascto", 10, 10, 1, item.dtNascto);
    Gerador().wCampo(tcStr, "", "cpfDep", 11, 11, 0, item.cpfDep);
    if (SexoDep == TSexoDep::Obrigatorio)
      Gerador().wCampo(tcStr, "", "sexoDep", 1, 1, 1, item.sexoDep);
    else if (VersaoDF() >= veS01_00_00 && SexoDep == TSexoDep::Opcional && (item.sexoDep == "F" || item.sexoDep == "M"))
      Gerador().wCampo(tcStr, "", "sexoDep", 1, 1, 0, item.sexoDep);
    Gerador().wCampo(tcStr, "", "depIRRF", 1, 1, 1, SimNaoToStr(item.depIRRF));
    if (!FormaBeneficio) Gerador().wCampo(tcStr, "", "depSF", 1, 1, 1, SimNaoToStr(item.depSF));
    Gerador().wCampo(tcStr, "", FormaBeneficio ? "incFisMen" : "incTrab", 1, 1, 1, SimNaoToStr(item.incTrab()));
    if (VersaoDF() >= veS01_02_00) Gerador().wCampo(tcStr, "", "descrDep", 0, 100, 0, item.descrDep);
    Gerador().wGrupo("/dependente");
  }
  AlertarLimiteLista("dependente", "Lista de Dependentes", pDependente.Count(), 99);
}

void TeSocialEvento::GerarAposentadoria(const TAposentadoria& pAposentadoria) {
  if (pAposentadoria.TrabAposent != tpSim) return;
  Gerador().wGrupo("aposentadoria");
  Gerador().wCampo(tcStr, "", "trabAposent", 1, 1, 1, SimNaoToStr(pAposentadoria.TrabAposent));
  Gerador().wGrupo("/aposentadoria");
}

void TeSocialEvento::GerarContato(const TContatoTrabalhador& pContato) {
  const bool ate25 = VersaoDF() <= ve02_05_00;
  Gerador().wGrupo("contato");
  Gerador().wCampo(tcStr, "", "fonePrinc", 0, 13, 0, pContato.FonePrinc);
  if (ate25) Gerador().wCampo(tcStr, "", "foneAlternat", 0, 13, 0, pContato.FoneAlternat);
  Gerador().wCampo(tcStr, "", "emailPrinc", 0, 60, 0, pContato.EmailPrinc);
  if (ate25) Gerador().wCampo(tcStr, "", "emailAlternat", 0, 60, 0, pContato.EmailAlternat);
  Gerador().wGrupo("/contato");
}

}  // namespace esocial
