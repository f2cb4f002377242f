#include "agent/dto_json.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

using namespace agent;

namespace {

TEST(DtoJson, ABatchIsWrittenWithIdsTypesEveryFieldAndReferences) {
  TDtoOwner owner;
  TEsocialLoteXmlDTO batch;
  batch.Id = "L\"1";
  batch.Status = TEnumEventoLoteStatus::INCONSISTENTE;
  batch.CodigoResposta = 401;
  batch.TempoEstimadoConclusao = platform::EncodeDateTime({2024, 1, 5, 10, 30, 0, 0});
  auto* event = owner.New<TEventosPendentesXmlDTO>();
  event->Id = "E1";
  event->Chave = TEnumChaveEvento::evtTSVTermino;
  event->TipoEvento = TEnumTipoEvento::evtNaoPeriodico;
  event->DataHora = platform::EncodeDateTime({2024, 2, 29, 23, 59, 58, 7});
  event->TipoOperacao = TEnumTipoOperacaoEvento::EXCLUSAO;
  event->Status = TEnumEventoStatus::CONFLITO;
  event->Xml = "<a>é/\t</a>";
  auto* eo = owner.New<TEsocialEventoOcorrenciaDTO>();
  eo->Tipo = 255;
  eo->Codigo = -1;
  event->Ocorrencias = {eo};
  event->CreatedAt = platform::EncodeDateTime({1899, 12, 30, 8, 5, 9, 0});
  batch.EventosPendentesXmlDTO = {event, event};
  auto* lo = owner.New<TEsocialLoteOcorrenciaDTO>();
  lo->DataHora = platform::EncodeDateTime({2024, 1, 5, 0, 0, 0, 0});
  lo->TipoEnvio = TEnumEventoLoteTipo::LoteCONSULTA;
  lo->CodigoResposta = 142;
  lo->Descricao = "linha\r\n";
  batch.Ocorrencias = {lo};

  const std::string expected =
      R"({"$id":1,"@xdata.type":"Esocial.Entidades.DTO.TEsocialLoteXmlDTO","Id":"L\"1",)"
      R"("EventosPendentesXmlDTO":[{"$id":2,"@xdata.type":"Esocial.Entidades.DTO.TEventosPendentesXmlDTO",)"
      R"("Id":"E1","Chave":"evtTSVTermino","TipoEvento":"evtNaoPeriodico","CodigoEvento":"",)"
      R"("DataHora":"2024-02-29T23:59:58.007","TipoOperacao":"EXCLUSAO","ValidadeInicio":null,"ValidadeFim":null,)"
      R"("VersaoApp":"","Status":"CONFLITO","Xml":"<a>é/\t</a>","XmlRetornoConsulta":null,)"
      R"("ResultadoProcessamento":null,"NumeroRecibo":null,"HashRecibo":null,)"
      R"("Ocorrencias":[{"$id":3,"@xdata.type":"Esocial.Entidades.DTO.TEsocialEventoOcorrenciaDTO",)"
      R"("Id":"","Tipo":255,"Codigo":-1,"Descricao":"","Localizacao":""}],)"
      R"("CreatedAt":"08:05:09","StatusLote":"PENDENTE"},{"$ref":2}],)"
      R"("NumeroProtocolo":"","Status":"INCONSISTENTE","CodigoResposta":401,"Descricao":null,)"
      R"("TempoEstimadoConclusao":"2024-01-05T10:30",)"
      R"("Ocorrencias":[{"$id":4,"@xdata.type":"Esocial.Entidades.DTO.TEsocialLoteOcorrenciaDTO",)"
      R"("Id":"","DataHora":"2024-01-05","TipoEnvio":"LoteCONSULTA","CodigoResposta":142,)"
      R"("Descricao":"linha\r\n","Xml":null}],)"
      R"("Consulting":false,"Xml":"","XmlRetornoConsulta":null,"EmpresaRhId":"","EmpregadorCTIId":""})";
  EXPECT_EQ(LoteJson(&batch), expected);

  // Read back, it gives the same text again.
  TDtoOwner readOwner;
  TEsocialLoteXmlDTO* again = TDtoJsonReader(readOwner).ReadLote(nlohmann::json::parse(expected));
  EXPECT_EQ(LoteJson(again), expected);
}

TEST(DtoJson, DateTimeForms) {
  struct Case {
    platform::DateTimeParts parts;
    const char* text;
  } cases[] = {
      {{1899, 12, 30, 0, 0, 0, 0}, "1899-12-30"},
      {{2025, 1, 14, 0, 0, 0, 0}, "2025-01-14"},
      {{2025, 1, 14, 9, 30, 0, 0}, "2025-01-14T09:30"},
      {{2025, 1, 14, 9, 30, 5, 0}, "2025-01-14T09:30:05"},
      {{2025, 1, 14, 9, 30, 5, 120}, "2025-01-14T09:30:05.120"},
      {{1899, 12, 30, 12, 0, 0, 0}, "12:00"},
      {{1899, 12, 30, 0, 0, 0, 1}, "00:00:00.001"},
  };
  for (const auto& c : cases) {
    TDateTime v = platform::EncodeDateTime(c.parts);
    EXPECT_EQ(DateTimeToJsonText(v), c.text);
    EXPECT_NEAR(JsonTextToDateTime(c.text), v, 1e-9) << c.text;
  }
  for (const char* bad : {"", "2025-1-14", "2025-02-30", "2025-01-14T", "2025-01-14 09:30", "2025-01-14T25:00",
                          "2025-01-14T09:30Z", "9:30", "2025-01-14T09:30:05.1234"}) {
    EXPECT_THROW(JsonTextToDateTime(bad), std::runtime_error) << bad;
  }
}

}  // namespace
