// Writers of the identification, process and employer-table groups that several events share.
#include <initializer_list>
#include <string>

#include "dfe/xml_writer.h"
#include "esocial/event_base.h"
#include "esocial/event_writers_internal.h"

namespace esocial {

using dfe::tcDat;
using dfe::tcDe2;
using dfe::tcDe4;
using dfe::tcInt;
using dfe::tcStr;

namespace {

// ideVinculo of both writers; MinMatricula and GeraMatricula are where they differ.
void EscreverIdeVinculo(TeSocialEvento& Evento, const TIdeVinculo& pIdeVinculo, bool GeraCodCateg, bool Reduzido,
                        int MinMatricula, bool GeraMatricula) {
  dfe::TGerador& g = Evento.Gerador();
  g.wGrupo("ideVinculo");
  g.wCampo(tcStr, "", "cpfTrab", 11, 11, 1, pIdeVinculo.cpfTrab);
  const bool comCodCateg = GeraCodCateg && !Reduzido;
  // An ideVinculo without the category is that of an event about the bond itself, whose
  // registration number is required, and in the 2.x layouts its nisTrab too.
  if (!Reduzido && Evento.VersaoDF() <= ve02_05_00)
    g.wCampo(tcStr, "", "nisTrab", 1, 11, comCodCateg ? OcorrenciaNisTrab(pIdeVinculo.codCateg) : 1,
             pIdeVinculo.nisTrab);
  if (GeraMatricula) {
    if (Evento.VersaoDF() >= veS01_00_00 || !comCodCateg)
      g.wCampo(tcStr, "", "matricula", 1, 30, comCodCateg ? 0 : 1, pIdeVinculo.matricula);
    else
      g.wCampo(tcStr, "", "matricula", MinMatricula, 30, 0, pIdeVinculo.matricula);
  }
  if (comCodCateg) g.wCampo(tcInt, "", "codCateg", 3, 3, 0, pIdeVinculo.codCateg);
  g.wGrupo("/ideVinculo");
}

// procAdmJudRat and procAdmJudFap share their fields; the S-1 layouts take process numbers of
// the lengths TamanhosS1 only.
void EscreverProcAdmJud(TeSocialEvento& Evento, const std::string& Grupo, tpTpProc tpProc, const TProcesso& pProc,
                        std::initializer_list<int> TamanhosS1) {
  dfe::TGerador& g = Evento.Gerador();
  g.wGrupo(Grupo);
  g.wCampo(tcStr, "", "tpProc", 1, 1, 1, TpProcToStr(tpProc));
  const bool s1 = Evento.VersaoDF() >= veS01_00_00;
  if (s1)
    Evento.wCampoTamanhos("nrProc", TamanhosS1, 1, pProc.nrProc);
  else
    g.wCampo(tcStr, "", "nrProc", 1, 20, 1, pProc.nrProc);
  g.wCampo(tcStr, "", "codSusp", 1, 14, s1 ? 1 : 0, pProc.codSusp);
  g.wGrupo("/" + Grupo);
}

}  // namespace

void TeSocialEvento::GerarIdeVinculo(const TIdeVinculo& pIdeVinculo, bool GeraCodCateg, bool Reduzido) {
  EscreverIdeVinculo(*this, pIdeVinculo, GeraCodCateg, Reduzido, 0, true);
}

void TeSocialEvento::GerarIdeVinculoPorCategoria(const TIdeVinculo& pIdeVinculo, bool GeraCodCateg, bool Reduzido) {
  EscreverIdeVinculo(*this, pIdeVinculo, GeraCodCateg, Reduzido, 1, !CodCategSemMatricula(pIdeVinculo.codCateg));
}

void TeSocialEvento::GerarIdeTrabalhador(const TideTrabalhador& pIdeTrabalhador, bool GeraGrupo) {
  if (GeraGrupo) Gerador().wGrupo("ideTrabalhador");
  Gerador().wCampo(tcStr, "", "cpfTrab", 11, 11, 1, pIdeTrabalhador.cpfTrab);
  if (GeraGrupo) Gerador().wGrupo("/ideTrabalhador");
}

void TeSocialEvento::GerarIdeFolhaPagto(const TIdeFolhaPagto& pIdeFolhaPagto) {
  if (pIdeFolhaPagto.perApur.empty()) return;
  Gerador().wGrupo("ideFolhaPagto");
  Gerador().wCampo(tcStr, "", "indApuracao", 1, 1, 1, IndApuracaoToStr(pIdeFolhaPagto.indApuracao));
  Gerador().wCampo(tcStr, "", "perApur", MinimoPerApur(VersaoDF()), 7, 1, pIdeFolhaPagto.perApur);
  Gerador().wGrupo("/ideFolhaPagto");
}

void TeSocialEvento::GerarIdeFolhaPagtoPerApur(const TIdeFolhaPagto& pIdeFolhaPagto) {
  if (pIdeFolhaPagto.perApur.empty()) return;
  Gerador().wGrupo("ideFolhaPagto");
  Gerador().wCampo(tcStr, "", "perApur", MinimoPerApur(VersaoDF()), 7, 1, pIdeFolhaPagto.perApur);
  Gerador().wGrupo("/ideFolhaPagto");
}

void TeSocialEvento::GerarIdeRespInf(const TIdeRespInf& pIdeRespInf) {
  if (pIdeRespInf.nmResp.empty() && pIdeRespInf.cpfResp.empty() && pIdeRespInf.telefone.empty() &&
      pIdeRespInf.email.empty())
    return;
  Gerador().wGrupo("ideRespInf");
  Gerador().wCampo(tcStr, "", "nmResp", 2, 70, 1, pIdeRespInf.nmResp);
  Gerador().wCampo(tcStr, "", "cpfResp", 11, 11, 1, pIdeRespInf.cpfResp);
  Gerador().wCampo(tcStr, "", "telefone", 8, 13, 1, pIdeRespInf.telefone);
  Gerador().wCampo(tcStr, "", "email", 6, 60, 0, pIdeRespInf.email);
  Gerador().wGrupo("/ideRespInf");
}

void TeSocialEvento::GerarEmitente(const TEmitente& pEmitente, TTipoEvento pTipoEvento) {
  Gerador().wGrupo("emitente");
  Gerador().wCampo(tcStr, "", "nmEmit", 1, 70, 1, pEmitente.nmEmit);
  Gerador().wCampo(tcStr, "", "ideOC", 1, 1, 1, IdeOCToStr(pEmitente.ideOC));
  if (pTipoEvento == teS2210)
    Gerador().wCampo(tcStr, "", "nrOC", 1, 14, 1, pEmitente.nrOc);
  else if (pTipoEvento == teS2230)
    Gerador().wCampo(tcStr, "", "nrOc", 1, 14, 1, pEmitente.nrOc);
  Gerador().wCampo(tcStr, "", "ufOC", 2, 2, 0, pEmitente.ufOC);
  Gerador().wGrupo("/emitente");
}

void TeSocialEvento::GerarLocalTrabInterm(const TBrasil& pLocal) {
  // A street given by name alone is not dropped: its missing type is alerted.
  if (pLocal.TpLograd.empty() && pLocal.DscLograd.empty()) return;
  Gerador().wGrupo("localTrabInterm");
  Gerador().wCampo(tcStr, "", "tpLograd", 1, 4, 1, pLocal.TpLograd);
  Gerador().wCampo(tcStr, "", "dscLograd", 1, 100, 1, pLocal.DscLograd);
  Gerador().wCampo(tcStr, "", "nrLograd", 1, 10, 1, pLocal.NrLograd);
  Gerador().wCampo(tcStr, "", "complem", 1, 30, 0, pLocal.Complemento);
  Gerador().wCampo(tcStr, "", "bairro", 1, 90, 0, pLocal.Bairro);
  Gerador().wCampo(tcStr, "", "cep", 8, 8, 1, pLocal.Cep);
  Gerador().wCampo(tcInt, "", "codMunic", 7, 7, 1, pLocal.CodMunic);
  Gerador().wCampo(tcStr, "", "uf", 2, 2, 1, pLocal.UF);
  Gerador().wGrupo("/localTrabInterm");
}

void TeSocialEvento::GerarProcesso(const std::string& GroupName, const TProcesso& pProcesso) {
  Gerador().wGrupo(GroupName);
  // The S-1 layouts take a judicial process number of exactly 20 digits here.
  const bool s1 = VersaoDF() >= veS01_00_00;
  Gerador().wCampo(tcStr, "", "nrProc", s1 ? 20 : 1, s1 ? 20 : 21, 1, pProcesso.nrProc);
  // The S-1 layouts require the suspension code, but the FGTS process has none.
  if (VersaoDF() <= ve02_05_00)
    Gerador().wCampo(tcStr, "", "codSusp", 1, 14, 0, pProcesso.codSusp);
  else if (GroupName != "ideProcessoFGTS")
    Gerador().wCampo(tcStr, "", "codSusp", 1, 14, 1, pProcesso.codSusp);
  Gerador().wGrupo("/" + GroupName);
}

void TeSocialEvento::GerarAliqGilRat(const TIdeEmpregador& pEmp, tpTpInsc TpInscEstab, TAliqGilRat& pAliqGilRat,
                                     const std::string& GroupName) {
  const bool procRat = pAliqGilRat.procAdmJudRatInst() && !pAliqGilRat.ProcAdmJudRat().nrProc.empty();
  const bool procFap = pAliqGilRat.procAdmJudFapInst() && !pAliqGilRat.ProcAdmJudFap().nrProc.empty();
  if (VersaoDF() >= veS01_00_00 && !procRat && !procFap && TpInscEstab != tiCNO && !(pAliqGilRat.Fap > 0)) return;

  Gerador().wGrupo(GroupName);
  if (VersaoDF() <= ve02_05_00 || procRat)
    Gerador().wCampo(tcStr, "", "aliqRat", 1, 1, 1, AliqRatToStr(pAliqGilRat.AliqRat));
  if (pEmp.TpInsc == tiCNPJ) {
    if (pAliqGilRat.Fap > 0 || procFap || TpInscEstab == tiCNO)
      Gerador().wCampo(tcDe4, "", "fap", 1, 5, 0, pAliqGilRat.Fap);
    if (VersaoDF() <= ve02_05_00) Gerador().wCampo(tcDe4, "", "aliqRatAjust", 1, 5, 0, pAliqGilRat.AliqRatAjust);
  }
  if (pAliqGilRat.procAdmJudRatInst()) GerarProcAdmJudRat(pAliqGilRat.ProcAdmJudRat());
  if (pAliqGilRat.procAdmJudFapInst()) GerarProcAdmJudFap(pAliqGilRat.ProcAdmJudFap());
  Gerador().wGrupo("/" + GroupName);
}

void TeSocialEvento::GerarProcAdmJudRat(const TProcAdmJudRat& pProc) {
  EscreverProcAdmJud(*this, "procAdmJudRat", pProc.tpProc, pProc, {17, 20, 21});
}

void TeSocialEvento::GerarProcAdmJudFap(const TProcAdmJudFap& pProc) {
  EscreverProcAdmJud(*this, "procAdmJudFap", pProc.tpProc, pProc, {16, 17, 20, 21});
}

void TeSocialEvento::GerarNfs(const TNfsColecao& pNfs) {
  for (int i = 0; i < pNfs.Count(); ++i) {
    const TNfsItem& nfs = pNfs.GetItem(i);
    if (VersaoDF() <= ve02_04_02) {
      Gerador().wGrupo("nfs");
      Gerador().wCampo(tcStr, "", "serie", 1, 5, 0, nfs.serie);
      Gerador().wCampo(tcStr, "", "nrDocto", 1, 20, 1, nfs.nrDocto);
      Gerador().wCampo(tcDat, "", "dtEmisNF", 10, 10, 1, nfs.dtEmisNF);
      Gerador().wCampo(tcDe2, "", "vlrBruto", 1, 14, 1, nfs.vlrBruto);
      Gerador().wCampo(tcDe2, "", "vrCPDescPR", 1, 14, 1, nfs.vrCPDescPR);
      Gerador().wCampo(tcDe2, "", "vrRatDescPR", 1, 14, 1, nfs.vrRatDescPR);
      Gerador().wCampo(tcDe2, "", "vrSenarDesc", 1, 14, 1, nfs.vrSenarDesc);
      Gerador().wGrupo("/nfs");
    } else {
      dfe::TAtributos atributos(Gerador().Opcoes);
      if (!nfs.serie.empty()) atributos.Texto("serie", nfs.serie);
      atributos.Texto("nrDocto", nfs.nrDocto);
      // An unset date goes out empty, so that the schema check names it, never as the zero date.
      if (nfs.dtEmisNF != 0) {
        atributos.Data("dtEmisNF", nfs.dtEmisNF);
      } else {
        atributos.Texto("dtEmisNF", "");
        Gerador().wAlerta("", "dtEmisNF", "", "Nenhum valor informado");
      }
      atributos.Valor("vlrBruto", nfs.vlrBruto).Valor("vrCPDescPR", nfs.vrCPDescPR);
      atributos.Valor("vrRatDescPR", nfs.vrRatDescPR).Valor("vrSenarDesc", nfs.vrSenarDesc);
      Gerador().wElementoAtributos("nfs", atributos);
    }
  }
  AlertarLimiteLista("nfs", "Lista de Notas Fiscais", pNfs.Count(), 9999);
}

}  // namespace esocial
