#include "esocial/replies_batch_consult.h"

#include <string>

#include "esocial/tag_reading.h"
#include "esocial/totalizers/totalizer_registry.h"
#include "platform/variant.h"

namespace esocial {

namespace {

void LerContrato(const TLeituraTags& x, TContrato& Contrato) {
  if (x.Grupo(8, "ideEmpregador")) LerInscricao(x, Contrato.IdeEmpregador);
  if (x.Grupo(8, "trabalhador")) {
    Contrato.Trabalhador.CpfTrab = x.Texto("cpfTrab");
    Contrato.Trabalhador.NisTrab = x.Texto("nisTrab");
    Contrato.Trabalhador.NmTrab = x.Texto("nmTrab");
  }
  if (x.Grupo(8, "infoDeficiencia")) Contrato.InfoDeficiencia.InfoCota = x.Texto("infoCota");
  if (x.Grupo(8, "vinculo")) Contrato.Vinculo.Matricula = x.Texto("matricula");
  if (x.Grupo(8, "infoCeletista")) {
    TInfoCeletistaConsulta& c = Contrato.InfoCeletista;
    c.DtAdm = x.Data("dtAdm");
    c.TpRegJor = x.Codigo("tpRegJor", StrToTpRegJor);
    c.dtBase = x.Inteiro("dtBase");
    c.cnpjSindCategProf = x.Texto("cnpjSindCategProf");
  }
  if (x.Grupo(8, "infoEstatutario")) {
    Contrato.InfoEstatutario.DtPosse = x.Data("dtPosse");
    Contrato.InfoEstatutario.DtExercicio = x.Data("dtExercicio");
  }
  if (x.Grupo(8, "infoContrato")) {
    TinfoContratoConsulta& c = Contrato.InfoContrato;
    c.codCateg = x.Texto("codCateg");
    if (x.Grupo(9, "cargo")) {
      c.Cargo.codCargo = x.Texto("codCargo");
      c.Cargo.nmCargo = x.Texto("nmCargo");
      c.Cargo.codCBO = x.Texto("codCBO");
    }
    if (x.Grupo(9, "funcao")) {
      c.Funcao.codFuncao = x.Texto("codFuncao");
      c.Funcao.nmFuncao = x.Texto("dscFuncao");
      c.Funcao.codCBO = x.Texto("codCBO");
    }
  }
  if (x.Grupo(8, "remuneracao")) {
    Contrato.Remuneracao.VrSalFx = x.Decimal("vrSalFx");
    Contrato.Remuneracao.UndSalFixo = x.Codigo("undSalFixo", StrToUndSalFixo);
    Contrato.Remuneracao.DscSalVar = x.Texto("dscSalVar");
  }
  if (x.Grupo(8, "duracao")) {
    Contrato.Duracao.TpContr = x.Codigo("tpContr", StrToTpContr);
    Contrato.Duracao.dtTerm = x.Data("dtTerm");
    Contrato.Duracao.clauAssec = x.Codigo("clauAsseg", StrToSimNao);
  }
  if (x.Grupo(8, "localTrabGeral")) {
    Contrato.LocalTrabGeral.TpInsc = x.Codigo("tpInsc", StrToTpInsc);
    Contrato.LocalTrabGeral.NrInsc = x.Texto("nrInsc");
    Contrato.LocalTrabGeral.Cnae = x.Texto("cnae");
  }
  if (x.Grupo(8, "horContratual")) {
    THorContratualConsulta& h = Contrato.HorContratual;
    h.QtdHrsSem = x.Decimal("qtdHrsSem");
    h.TpJornada = x.Codigo("tpJornada", StrToTpJornada);
    h.DscTpJorn = x.Texto("dscTpJorn");
    h.tmpParc = x.Codigo("tmpParc", StrToTmpParc);
    x.Lista(9, "horario", [&] {
      auto& horario = h.horario.New();
      horario.dia = x.Codigo("dia", StrToTpDia);
      horario.codHorContrat = x.Texto("codHorContrat");
      horario.hrEntr = x.Texto("hrEntr");
      horario.hrSaida = x.Texto("hrSaida");
      horario.durJornada = x.Inteiro("durJornada");
      horario.perHorFlexivel = x.Texto("perHorFlexivel");
      x.Lista(10, "horarioIntervalo", [&] {
        auto& intervalo = horario.horarioIntervalo.New();
        intervalo.durInterv = x.Inteiro("durInterv");
        intervalo.iniInterv = x.Texto("iniInterv");
        intervalo.termInterv = x.Texto("termInterv");
      });
    });
  }
}

void LerRetornoEvento(const TLeituraTags& x, TRetEventosCollectionItem& Evento) {
  if (x.Grupo(6, "ideEmpregador")) LerInscricao(x, Evento.IdeEmpregador);
  if (x.Grupo(6, "recepcao")) {
    TRecepcao& r = Evento.Recepcao;
    r.tpAmb = x.Codigo("tpAmb", dfe::StrToTipoAmbiente);
    r.dhRecepcao = x.DataHora("dhRecepcao");
    r.versaoAplicRecepcao = x.Texto("versaoAppRecepcao");
    r.Protocolo = x.Texto("protocoloEnvioLote");
  }
  if (x.Grupo(6, "processamento")) {
    TProcessamento& p = Evento.Processamento;
    p.cdResposta = x.Inteiro("cdResposta");
    p.descResposta = x.Texto("descResposta");
    p.versaoAplicProcLote = x.Texto("versaoAppProcessamento");
    p.dhProcessamento = x.DataHora("dhProcessamento");
    LerOcorrencias(x, 7, p.Ocorrencias);
  }
  if (x.Grupo(6, "recibo")) {
    Evento.Recibo.nrRecibo = x.Texto("nrRecibo");
    Evento.Recibo.Hash = x.Texto("hash");
    if (x.Grupo(7, "contrato")) LerContrato(x, Evento.Recibo.Contrato);
  }
}

void LerTotalizadores(const TLeituraTags& x, TtotCollection& tot) {
  x.Lista(4, "tot", [&] {
    auto& item = tot.New();
    item.tipo = x.Atributo("tipo");
    item.XML = x.Conteudo("tot");
    item.Evento = CriarLeitorTotalizador(item.tipo);
    if (item.Evento) item.Evento->SetXml(item.XML);
  });
}

}  // namespace

bool TRetConsultaLote::LerXml() {
  return LerRetorno(Leitor, "retornoProcessamentoLoteEventos", [&](const TLeituraTags& x) {
    // The batch's ideEmpregador may be absent, and every event's result holds one: a batch
    // without its own must not take the first event's, so it counts only ahead of the events.
    const std::string& raiz = x.Leitor().Grupo;
    if (raiz.find("<ideEmpregador") < raiz.find("<retornoEventos") && x.Grupo(2, "ideEmpregador"))
      LerInscricao(x, IdeEmpregador);
    if (x.Grupo(2, "ideTransmissor")) LerInscricao(x, IdeTransmissor);
    if (x.Grupo(2, "status")) {
      LerStatus(x, Status);
      Status.tempoEstimadoConclusao = x.Inteiro("tempoEstimadoConclusao");
      LerOcorrencias(x, 3, Status.Ocorrencias);
    }
    if (x.Grupo(2, "dadosRecepcaoLote")) LerDadosRecepcaoLote(x, DadosRecLote);
    if (x.Grupo(2, "dadosProcessamentoLote"))
      DadosProcLote.versaoAplicProcLote = x.Texto("versaoAplicativoProcessamentoLote");
    if (x.Grupo(2, "retornoEventos")) {
      x.Lista(3, "evento", [&] {
        auto& evento = RetEventos.New();
        evento.Id = x.Atributo("Id");
        const std::string dupl = x.Atributo("evtDupl");
        if (!dupl.empty()) evento.evtDupl = platform::Variant(dupl).AsBoolean();
        if (x.Grupo(4, "eSocial") && x.Grupo(5, "retornoEvento")) LerRetornoEvento(x, evento);
        LerTotalizadores(x, evento.tot);
      });
    }
  });
}

}  // namespace esocial
