// Writers of the employment bond and contract: vinculo and its groups.
#include <string>

#include "dfe/xml_writer.h"
#include "esocial/event_base.h"
#include "esocial/event_writers_internal.h"

namespace esocial {

using dfe::tcDat;
using dfe::tcDe2;
using dfe::tcInt;
using dfe::tcStr;

namespace {

// The domestic workplace of the 2.x layouts and the temporary one of the S-1 layouts.
void EscreverLocalDomestico(TeSocialEvento& Evento, const std::string& Grupo, const TLocalTrabDom& pLocal,
                            int OcorrenciaTpLograd) {
  dfe::TGerador& g = Evento.Gerador();
  g.wGrupo(Grupo);
  g.wCampo(tcStr, "", "tpLograd", 1, 4, OcorrenciaTpLograd, pLocal.TpLograd);
  g.wCampo(tcStr, "", "dscLograd", 1, MaximoDscLograd(Evento.VersaoDF()), 1, pLocal.DscLograd);
  g.wCampo(tcStr, "", "nrLograd", 1, 10, 1, pLocal.NrLograd);
  g.wCampo(tcStr, "", "complemento", 0, 30, 0, pLocal.Complemento);
  g.wCampo(tcStr, "", "bairro", 0, MaximoBairro(Evento.VersaoDF()), 0, pLocal.Bairro);
  g.wCampo(tcStr, "", "cep", 1, 8, 1, pLocal.Cep);
  g.wCampo(tcInt, "", "codMunic", 7, 7, 1, pLocal.CodMunic);
  g.wCampo(tcStr, "", "uf", 2, 2, 1, pLocal.Uf);
  g.wGrupo("/" + Grupo);
}

// ideEstabVinc without its presence test: the temporary work of the S-1 layouts requires it.
void EscreverIdeEstabVinc(TeSocialEvento& Evento, const TIdeEstabVinc& pIdeEstabVinc) {
  dfe::TGerador& g = Evento.Gerador();
  g.wGrupo("ideEstabVinc");
  g.wCampo(tcStr, "", "tpInsc", 1, 1, 1, TpInscToStr(pIdeEstabVinc.TpInsc));
  g.wCampo(tcStr, "", "nrInsc", 1, 15, 1, pIdeEstabVinc.NrInsc);
  g.wGrupo("/ideEstabVinc");
}

// The training codes the layout accepts.
bool CodTreiCapValido(int Codigo) { return Codigo == 1006 || Codigo == 1207 || (Codigo >= 3701 && Codigo <= 3719); }

}  // namespace

void TeSocialEvento::GerarVinculo(TVinculo& pVinculo, int Tipo) {
  Gerador().wGrupo("vinculo");
  if (Tipo != 3) {
    Gerador().wCampo(tcStr, "", "matricula", 1, 30, 1, pVinculo.matricula);
    Gerador().wCampo(tcStr, "", "tpRegTrab", 1, 1, 1, TpRegTrabToStr(pVinculo.tpRegTrab));
  }
  Gerador().wCampo(tcStr, "", "tpRegPrev", 1, 1, 1, TpRegPrevToStr(pVinculo.tpRegPrev));
  if (Tipo != 3) {
    if (VersaoDF() <= ve02_05_00 && !pVinculo.nrRecInfPrelim.empty() && Tipo == 2)
      Gerador().wCampo(tcStr, "", "nrRecInfPrelim", 0, 40, 0, pVinculo.nrRecInfPrelim);
    Gerador().wCampo(tcStr, "", "cadIni", 1, 1, 1, SimNaoToStr(pVinculo.cadIni));
    GerarInfoRegimeTrab(pVinculo.infoRegimeTrab);
    GerarInfoContrato(pVinculo.infoContrato, Tipo, pVinculo.infoRegimeTrab);
    GerarSucessaoVinc(pVinculo.sucessaoVinc);
    GerarTransfDom(pVinculo.transfDom);
    if (Tipo == 2) GerarMudancaCPF(pVinculo.mudancaCPF);
    if (Tipo == 1 || Tipo == 2) {
      GerarAfastamento(pVinculo.afastamento);
      GerarDesligamento(pVinculo.desligamento);
      if (VersaoDF() >= ve02_05_00) GerarCessao(pVinculo.cessao);
    }
  }
  Gerador().wGrupo("/vinculo");
}

void TeSocialEvento::GerarInfoRegimeTrab(const TInfoRegimeTrab& pInfoRegimeTrab) {
  Gerador().wGrupo("infoRegimeTrab");
  GerarInfoCeletista(pInfoRegimeTrab.InfoCeletista);
  GerarInfoEstatutario(pInfoRegimeTrab.InfoEstatutario);
  Gerador().wGrupo("/infoRegimeTrab");
}

void TeSocialEvento::GerarInfoCeletista(const TInfoCeletista& pInfoCeletista) {
  const TInfoCeletista& c = pInfoCeletista;
  if (c.cnpjSindCategProf.empty()) return;
  Gerador().wGrupo("infoCeletista");
  Gerador().wCampo(tcDat, "", "dtAdm", 10, 10, 1, c.DtAdm);
  Gerador().wCampo(tcStr, "", "tpAdmissao", 1, 1, 1, TpAdmissaoToStr(c.TpAdmissao));
  Gerador().wCampo(tcStr, "", "indAdmissao", 1, 1, 1, TpIndAdmissaoToStr(c.IndAdmissao));
  if (VersaoDF() >= veS01_00_00) Gerador().wCampo(tcStr, "", "nrProcTrab", 1, 20, 0, c.nrProcTrab);
  Gerador().wCampo(tcStr, "", "tpRegJor", 1, 1, 1, TpRegJorToStr(c.TpRegJor));
  Gerador().wCampo(tcStr, "", "natAtividade", 1, 1, 1, NatAtividadeToStr(c.NatAtividade));
  if (c.dtBase >= 1 && c.dtBase <= 12) Gerador().wCampo(tcInt, "", "dtBase", 1, 2, 1, c.dtBase);
  Gerador().wCampo(tcStr, "", "cnpjSindCategProf", 14, 14, 1, c.cnpjSindCategProf);
  if (VersaoDF() >= veS01_02_00 && !c.matAnotJud.empty())
    Gerador().wCampo(tcStr, "", "matAnotJud", 1, 30, 1, c.matAnotJud);
  if (c.FGTS.DtOpcFGTS > 0) GerarFGTS(c.FGTS);
  GerarTrabTemporario(c.TrabTemporario);
  GerarAprend(c.aprend);
  Gerador().wGrupo("/infoCeletista");
}

void TeSocialEvento::GerarFGTS(const TFGTS& pFGTS, int Tipo) {
  const std::string grupo = Tipo == 3 && VersaoDF() <= ve02_05_00 ? "fgts" : "FGTS";
  Gerador().wGrupo(grupo);
  if (VersaoDF() <= ve02_05_00) Gerador().wCampo(tcStr, "", "opcFGTS", 1, 1, 1, OpcFGTSToStr(pFGTS.OpcFGTS));
  if (VersaoDF() >= veS01_00_00)
    Gerador().wCampo(tcDat, "", "dtOpcFGTS", 10, 10, 1, pFGTS.DtOpcFGTS);
  else
    Gerador().wCampo(tcDat, "", "dtOpcFGTS", 0, 10, 0, pFGTS.DtOpcFGTS);
  Gerador().wGrupo("/" + grupo);
}

void TeSocialEvento::GerarTrabTemporario(const TTrabTemporario& pTrabTemporario) {
  if (!(pTrabTemporario.hipLeg > 0)) return;
  Gerador().wGrupo("trabTemporario");
  Gerador().wCampo(tcInt, "", "hipLeg", 1, 1, 1, pTrabTemporario.hipLeg);
  Gerador().wCampo(tcStr, "", "justContr", 1, 999, 1, pTrabTemporario.justContr);
  if (VersaoDF() >= veS01_00_00)
    EscreverIdeEstabVinc(*this, pTrabTemporario.IdeEstabVinc);
  else
    GerarIdeTomadorServ(pTrabTemporario.IdeTomadorServ);
  GerarIdeTrabSubstituido(pTrabTemporario.IdeTrabSubstituido);
  Gerador().wGrupo("/trabTemporario");
}

void TeSocialEvento::GerarIdeTomadorServ(const TIdeTomadorServ& pIdeTomadorServ) {
  if (VersaoDF() >= veS01_00_00) {
    GerarIdeEstabVinc(pIdeTomadorServ.ideEstabVinc);
    return;
  }
  Gerador().wGrupo("ideTomadorServ");
  Gerador().wCampo(tcStr, "", "tpInsc", 1, 1, 1, TpInscToStr(pIdeTomadorServ.TpInsc));
  Gerador().wCampo(tcStr, "", "nrInsc", 1, 15, 1, pIdeTomadorServ.NrInsc);
  GerarIdeEstabVinc(pIdeTomadorServ.ideEstabVinc);
  Gerador().wGrupo("/ideTomadorServ");
}

void TeSocialEvento::GerarIdeEstabVinc(const TIdeEstabVinc& pIdeEstabVinc) {
  if (!pIdeEstabVinc.NrInsc.empty()) EscreverIdeEstabVinc(*this, pIdeEstabVinc);
}

void TeSocialEvento::GerarIdeTrabSubstituido(const TIdeTrabSubstituidoCollection& pIdeTrabSubstituido) {
  for (int i = 0; i < pIdeTrabSubstituido.Count(); ++i) {
    Gerador().wGrupo("ideTrabSubstituido");
    Gerador().wCampo(tcStr, "", "cpfTrabSubst", 11, 11, 1, pIdeTrabSubstituido.GetItem(i).CpfTrabSubst);
    Gerador().wGrupo("/ideTrabSubstituido");
  }
  AlertarLimiteLista("ideTrabSubstituido", "Lista de Trabalhadores Substituido", pIdeTrabSubstituido.Count(), 9);
}

void TeSocialEvento::GerarAprend(const TAprend& pAprend) {
  if (pAprend.NrInsc.empty() && pAprend.cnpjEntQual.empty()) return;
  const bool desde102 = VersaoDF() >= veS01_02_00;
  Gerador().wGrupo("aprend");
  if (desde102) {
    Gerador().wCampo(tcStr, "", "indAprend", 1, 1, 1, IndAprendToStr(pAprend.indAprend));
    Gerador().wCampo(tcStr, "", "cnpjEntQual", 0, 15, 0, pAprend.cnpjEntQual);
  }
  if (!pAprend.NrInsc.empty()) {
    Gerador().wCampo(tcStr, "", "tpInsc", 1, 1, 1, TpInscToStr(pAprend.TpInsc));
    Gerador().wCampo(tcStr, "", "nrInsc", 1, 15, 1, pAprend.NrInsc);
  }
  if (desde102) Gerador().wCampo(tcStr, "", "cnpjPrat", 0, 15, 0, pAprend.cnpjPrat);
  Gerador().wGrupo("/aprend");
}

void TeSocialEvento::GerarInfoEstatutario(const TInfoEstatutario& pInfoEstatutario) {
  const TInfoEstatutario& e = pInfoEstatutario;
  const bool ate25 = VersaoDF() <= ve02_05_00;
  if (!((e.dtNomeacao > 0 && ate25) || (e.dtExercicio > 0 && VersaoDF() >= ve02_05_00))) return;
  Gerador().wGrupo("infoEstatutario");
  if (ate25) Gerador().wCampo(tcStr, "", "indProvim", 1, 1, 1, IndProvimToStr(e.indProvim));
  Gerador().wCampo(tcStr, "", "tpProv", 1, 2, 1, TpProvToStr(e.tpProv));
  if (!ate25) {
    Gerador().wCampo(tcDat, "", "dtExercicio", 10, 10, 1, e.dtExercicio);
  } else {
    Gerador().wCampo(tcDat, "", "dtNomeacao", 10, 10, 1, e.dtNomeacao);
    Gerador().wCampo(tcDat, "", "dtPosse", 10, 10, 0, e.dtPosse);
    Gerador().wCampo(tcDat, "", "dtExercicio", 10, 10, 0, e.dtExercicio);
  }
  if (e.tpPlanRP != prpNenhum) Gerador().wCampo(tcStr, "", "tpPlanRP", 0, 1, 0, PlanRPToStr(e.tpPlanRP));
  if (!ate25) {
    if (e.indTetoRGPS != snfNada)
      Gerador().wCampo(tcStr, "", "indTetoRGPS", 0, 1, 0, SimNaoFacultativoToStr(e.indTetoRGPS));
    if (e.indAbonoPerm != snfNada) {
      Gerador().wCampo(tcStr, "", "indAbonoPerm", 0, 1, 0, SimNaoFacultativoToStr(e.indAbonoPerm));
      if (e.dtIniAbono > 0) Gerador().wCampo(tcDat, "", "dtIniAbono", 10, 10, 1, e.dtIniAbono);
    }
  } else {
    GerarInfoDecJud(e.infoDecJud);
  }
  Gerador().wGrupo("/infoEstatutario");
}

void TeSocialEvento::GerarInfoDecJud(const TInfoDecJud& pInfoDecJud) {
  if (pInfoDecJud.nrProcJud.empty()) return;
  Gerador().wGrupo("infoDecJud");
  Gerador().wCampo(tcStr, "", "nrProcJud", 1, 20, 1, pInfoDecJud.nrProcJud);
  Gerador().wGrupo("/infoDecJud");
}

void TeSocialEvento::GerarInfoContrato(TInfoContrato& pInfoContrato, int Tipo, const TInfoRegimeTrab& pInfoRegimeTrab) {
  TInfoContrato& c = pInfoContrato;
  const bool ate25 = VersaoDF() <= ve02_05_00;
  Gerador().wGrupo("infoContrato");
  if (!ate25) {
    Gerador().wCampo(tcStr, "", "nmCargo", 0, 100, 0, c.nmCargo);
    Gerador().wCampo(tcStr, "", "CBOCargo", 0, 6, 0, c.CBOCargo);
    Gerador().wCampo(tcDat, "", "dtIngrCargo", 0, 10, 0, c.dtIngrCargo);
    Gerador().wCampo(tcStr, "", "nmFuncao", 0, 100, 0, c.nmFuncao);
    Gerador().wCampo(tcStr, "", "CBOFuncao", 0, 6, 0, c.CBOFuncao);
    Gerador().wCampo(tcStr, "", "acumCargo", 0, 1, 0, SimNaoFacultativoToStr(c.acumCargo));
  } else {
    Gerador().wCampo(tcStr, "", "codCargo", 0, 30, 0, c.CodCargo);
    Gerador().wCampo(tcStr, "", "codFuncao", 0, 30, 0, c.CodFuncao);
  }
  Gerador().wCampo(tcInt, "", "codCateg", 1, 3, 1, c.CodCateg);
  if (ate25) {
    Gerador().wCampo(tcStr, "", "codCarreira", 0, 30, 0, c.codCarreira);
    Gerador().wCampo(tcDat, "", "dtIngrCarr", 0, 10, 0, c.dtIngrCarr);
  }
  if (c.Remuneracao.VrSalFx > 0 || c.Remuneracao.UndSalFixo == sfNaoaplicavel) GerarRemuneracao(c.Remuneracao);
  if (c.Duracao.TpContr != PrazoNaoAplicavel) GerarDuracao(c.Duracao, Tipo);
  GerarLocalTrabalho(c.LocalTrabalho);
  const TInfoCeletista& celetista = pInfoRegimeTrab.InfoCeletista;
  if (!celetista.cnpjSindCategProf.empty() && celetista.TpRegJor == rjSubmetidosHorarioTrabalho)
    GerarHorContratual(c.HorContratual);
  if (ate25) GerarFiliacaoSindical(c.FiliacaoSindical);
  GerarAlvaraJudicial(c.AlvaraJudicial);
  GerarObservacoes(c.observacoes);
  if (!ate25 && c.treiCapInst()) GerarTreiCap(c.treiCap());
  Gerador().wGrupo("/infoContrato");
}

void TeSocialEvento::GerarRemuneracao(const TRemuneracao& pRemuneracao) {
  Gerador().wGrupo("remuneracao");
  Gerador().wCampo(tcDe2, "", "vrSalFx", 1, 14, 1, pRemuneracao.VrSalFx);
  Gerador().wCampo(tcStr, "", "undSalFixo", 1, 1, 1, UndSalFixoToStr(pRemuneracao.UndSalFixo));
  Gerador().wCampo(tcStr, "", "dscSalVar", 0, VersaoDF() >= veS01_00_00 ? 999 : 255, 0, pRemuneracao.DscSalVar);
  Gerador().wGrupo("/remuneracao");
}

void TeSocialEvento::GerarDuracao(const TDuracao& pDuracao, int Tipo) {
  const std::string tpContr = TpContrToStr(pDuracao.TpContr);
  Gerador().wGrupo("duracao");
  Gerador().wCampo(tcStr, "", "tpContr", 1, 1, 1, tpContr);
  if (pDuracao.dtTerm != 0) Gerador().wCampo(tcDat, "", "dtTerm", 10, 10, 0, pDuracao.dtTerm);
  if ((tpContr == "2" || tpContr == "3") && (Tipo == 1 || Tipo == 2))
    Gerador().wCampo(tcStr, "", "clauAssec", 1, 1, 0, SimNaoToStr(pDuracao.clauAssec));
  if (tpContr == "3") Gerador().wCampo(tcStr, "", "objDet", 1, 255, 1, pDuracao.objDet);
  Gerador().wGrupo("/duracao");
}

void TeSocialEvento::GerarLocalTrabalho(const TLocalTrabalho& pLocalTrabalho) {
  Gerador().wGrupo("localTrabalho");
  GerarLocalTrabGeral(pLocalTrabalho.LocalTrabGeral);
  if (VersaoDF() >= veS01_00_00)
    GerarLocalTempDom(pLocalTrabalho.LocalTempDom);
  else
    GerarLocalTrabDom(pLocalTrabalho.LocalTrabDom);
  Gerador().wGrupo("/localTrabalho");
}

void TeSocialEvento::GerarLocalTrabGeral(const TLocalTrabGeral& pLocalTrabGeral) {
  if (pLocalTrabGeral.NrInsc.empty()) return;
  Gerador().wGrupo("localTrabGeral");
  Gerador().wCampo(tcStr, "", "tpInsc", 1, 1, 1, TpInscToStr(pLocalTrabGeral.TpInsc));
  Gerador().wCampo(tcStr, "", "nrInsc", 1, 15, 1, pLocalTrabGeral.NrInsc);
  Gerador().wCampo(tcStr, "", "descComp", 0, 80, 0, pLocalTrabGeral.DescComp);
  Gerador().wGrupo("/localTrabGeral");
}

void TeSocialEvento::GerarLocalTrabDom(const TLocalTrabDom& pLocalTrabDom) {
  if (pLocalTrabDom.TpLograd.empty()) return;
  EscreverLocalDomestico(*this, "localTrabDom", pLocalTrabDom, 1);
}

void TeSocialEvento::GerarLocalTempDom(const TLocalTempDom& pLocalTempDom) {
  // The street type is optional here: an address that has only its name is still written.
  if (pLocalTempDom.TpLograd.empty() && pLocalTempDom.DscLograd.empty()) return;
  EscreverLocalDomestico(*this, "localTempDom", pLocalTempDom, 0);
}

void TeSocialEvento::GerarHorContratual(const THorContratual& pHorContratual) {
  const THorContratual& h = pHorContratual;
  const bool ate25 = VersaoDF() <= ve02_05_00;
  Gerador().wGrupo("horContratual");
  Gerador().wCampo(tcDe2, "", "qtdHrsSem", 0, 4, 0, h.qtdHrsSem);
  if (ate25 && h.tpJornada >= tjJornadaComHorarioDiarioFixoEFolgaFixaDomingo &&
      h.tpJornada <= tjTurnoIninterruptoDeRevezamento)
    Gerador().wAlerta("", "tpJornada", "", "Atenção! Tipo de Jornada não existe na versão ve02_05_00");
  else if (!ate25 && h.tpJornada == tjJornadaComHorarioDiarioFolgaFixos)
    Gerador().wAlerta("", "tpJornada", "", "Atenção! Tipo de Jornada não existe na versão veS01_00_00");
  Gerador().wCampo(tcStr, "", "tpJornada", 1, 1, 1, TpJornadaToStr(h.tpJornada));
  if (ate25 && TpJornadaToStr(h.tpJornada) == "9") Gerador().wCampo(tcStr, "", "dscTpJorn", 0, 100, 0, h.dscTpJorn);
  Gerador().wCampo(tcStr, "", "tmpParc", 1, 1, 1, TmpParcToStr(h.tmpParc));
  if (!ate25) {
    Gerador().wCampo(tcStr, "", "horNoturno", 0, 1, 0, SimNaoToStr(h.horNoturno));
    Gerador().wCampo(tcStr, "", "dscJorn", 1, 999, 1, h.dscJorn);
  } else {
    GerarHorario(h.horario);
  }
  Gerador().wGrupo("/horContratual");
}

void TeSocialEvento::GerarHorario(const THorarioCollection& pHorario) {
  for (int i = 0; i < pHorario.Count(); ++i) {
    const THorarioCollectionItem& item = pHorario.GetItem(i);
    Gerador().wGrupo("horario");
    Gerador().wCampo(tcStr, "", "dia", 1, 1, 1, TpDiaToStr(item.Dia));
    Gerador().wCampo(tcStr, "", "codHorContrat", 1, 30, 1, item.CodHorContrat);
    Gerador().wGrupo("/horario");
  }
  AlertarLimiteLista("horario", "Lista de Diárias do Horário Contatual", pHorario.Count(), 99);
}

void TeSocialEvento::GerarFiliacaoSindical(const TFiliacaoSindical& pFiliacaoSindical) {
  for (int i = 0; i < pFiliacaoSindical.Count(); ++i) {
    Gerador().wGrupo("filiacaoSindical");
    Gerador().wCampo(tcStr, "", "cnpjSindTrab", 1, 14, 1, pFiliacaoSindical.GetItem(i).CnpjSindTrab);
    Gerador().wGrupo("/filiacaoSindical");
  }
  AlertarLimiteLista("filiacaoSindical", "Lista de Filiação Sindical", pFiliacaoSindical.Count(), 2);
}

void TeSocialEvento::GerarAlvaraJudicial(const TAlvaraJudicial& pAlvaraJudicial) {
  if (pAlvaraJudicial.NrProcJud.empty()) return;
  Gerador().wGrupo("alvaraJudicial");
  Gerador().wCampo(tcStr, "", "nrProcJud", 1, 20, 1, pAlvaraJudicial.NrProcJud);
  Gerador().wGrupo("/alvaraJudicial");
}

void TeSocialEvento::GerarObservacoes(const TObservacoesCollection& pObservacoes) {
  for (int i = 0; i < pObservacoes.Count(); ++i) {
    Gerador().wGrupo("observacoes");
    Gerador().wCampo(tcStr, "", "observacao", 1, 255, 1, pObservacoes.GetItem(i).observacao);
    Gerador().wGrupo("/observacoes");
  }
  AlertarLimiteLista("observacoes", "Lista de Observações", pObservacoes.Count(), 99);
}

void TeSocialEvento::GerarTreiCap(const TtreiCapCollection& pTreiCap) {
  for (int i = 0; i < pTreiCap.Count(); ++i) {
    const int codigo = pTreiCap.GetItem(i).codTreiCap;
    if (!CodTreiCapValido(codigo)) continue;
    Gerador().wGrupo("treiCap");
    Gerador().wCampo(tcInt, "", "codTreiCap", 4, 4, 1, codigo);
    Gerador().wGrupo("/treiCap");
  }
  AlertarLimiteLista("treiCap", "Treinamentos, capacitações, exercícios simulados, autorizações ou outras anotações",
                     pTreiCap.Count(), 99);
}

void TeSocialEvento::GerarSucessaoVinc(const TSucessaoVinc& pSucessaoVinc) {
  const TSucessaoVinc& s = pSucessaoVinc;
  if (s.nrInsc().empty()) return;
  Gerador().wGrupo("sucessaoVinc");
  if (VersaoDF() >= veS01_00_00) {
    // A predecessor inscribed by CPF or by its CNPJ root is valid here.
    Gerador().wCampo(tcStr, "", "tpInsc", 1, 1, 1, TpInscToStr(s.tpInsc()));
    Gerador().wCampo(tcStr, "", "nrInsc", 8, 14, 1, s.nrInsc());
  } else {
    Gerador().wCampo(tcStr, "", "tpInscAnt", 1, 1, 1, TpInscToStr(s.tpInscAnt()));
    Gerador().wCampo(tcStr, "", "cnpjEmpregAnt", 14, 14, 1, s.cnpjEmpregAnt());
  }
  Gerador().wCampo(tcStr, "", "matricAnt", 0, 30, 0, s.matricAnt);
  Gerador().wCampo(tcDat, "", "dtTransf", 10, 10, 1, s.dtTransf);
  Gerador().wCampo(tcStr, "", "observacao", 0, 255, 0, s.observacao);
  Gerador().wGrupo("/sucessaoVinc");
}

void TeSocialEvento::GerarTransfDom(const TtransfDom& pTransfDom) {
  if (pTransfDom.cpfSubstituido.empty()) return;
  Gerador().wGrupo("transfDom");
  Gerador().wCampo(tcStr, "", "cpfSubstituido", 11, 11, 1, pTransfDom.cpfSubstituido);
  Gerador().wCampo(tcStr, "", "matricAnt", 0, 30, 0, pTransfDom.matricAnt);
  Gerador().wCampo(tcDat, "", "dtTransf", 10, 10, 1, pTransfDom.dtTransf);
  Gerador().wGrupo("/transfDom");
}

void TeSocialEvento::GerarMudancaCPF(const TMudancaCPF& pMudancaCPF) {
  if (VersaoDF() < ve02_05_00 || pMudancaCPF.cpfAnt.empty()) return;
  Gerador().wGrupo("mudancaCPF");
  Gerador().wCampo(tcStr, "", "cpfAnt", 11, 11, 1, pMudancaCPF.cpfAnt);
  Gerador().wCampo(tcStr, "", "matricAnt", 1, 30, 1, pMudancaCPF.matricAnt);
  Gerador().wCampo(tcDat, "", "dtAltCPF", 10, 10, 1, pMudancaCPF.dtAltCPF);
  Gerador().wCampo(tcStr, "", "observacao", 1, 255, 0, pMudancaCPF.observacao);
  Gerador().wGrupo("/mudancaCPF");
}

void TeSocialEvento::GerarMudancaCPF2(const TMudancaCPF2& pMudancaCPF) {
  if (VersaoDF() < ve02_05_00 || pMudancaCPF.cpfAnt.empty()) return;
  Gerador().wGrupo("mudancaCPF");
  Gerador().wCampo(tcStr, "", "cpfAnt", 11, 11, 1, pMudancaCPF.cpfAnt);
  if (VersaoDF() >= veS01_00_00 && !pMudancaCPF.matricAnt.empty())
    Gerador().wCampo(tcStr, "", "matricAnt", 1, 30, 0, pMudancaCPF.matricAnt);
  Gerador().wCampo(tcDat, "", "dtAltCPF", 10, 10, 1, pMudancaCPF.dtAltCPF);
  Gerador().wCampo(tcStr, "", "observacao", 1, 255, 0, pMudancaCPF.observacao);
  Gerador().wGrupo("/mudancaCPF");
}

void TeSocialEvento::GerarMudancaCPF3(const TMudancaCPF3& pMudancaCPF) {
  if (VersaoDF() < ve02_05_00 || pMudancaCPF.novoCPF.empty()) return;
  Gerador().wGrupo("mudancaCPF");
  Gerador().wCampo(tcStr, "", "novoCPF", 11, 11, 1, pMudancaCPF.novoCPF);
  Gerador().wGrupo("/mudancaCPF");
}

void TeSocialEvento::GerarAfastamento(const TAfastamento& pAfastamento) {
  if (!(pAfastamento.DtIniAfast > 0)) return;
  Gerador().wGrupo("afastamento");
  Gerador().wCampo(tcDat, "", "dtIniAfast", 10, 10, 1, pAfastamento.DtIniAfast);
  Gerador().wCampo(tcStr, "", "codMotAfast", 2, 2, 1, MotivosAfastamentoToStr(pAfastamento.codMotAfast));
  Gerador().wGrupo("/afastamento");
}

void TeSocialEvento::GerarDesligamento(const TDesligamento& pDesligamento) {
  if (!(pDesligamento.DtDeslig > 0)) return;
  Gerador().wGrupo("desligamento");
  Gerador().wCampo(tcDat, "", "dtDeslig", 10, 10, 1, pDesligamento.DtDeslig);
  Gerador().wGrupo("/desligamento");
}

void TeSocialEvento::GerarCessao(const Tcessao& pCessao) {
  if (!(pCessao.dtIniCessao > 0)) return;
  Gerador().wGrupo("cessao");
  Gerador().wCampo(tcDat, "", "dtIniCessao", 10, 10, 1, pCessao.dtIniCessao);
  Gerador().wGrupo("/cessao");
}

}  // namespace esocial
