#include "agent/dto_json.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>

#include "support/message_of.h"

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
  TEsocialLoteXmlDTO* again = TDtoJsonReader(readOwner).ReadLote(expected);
  EXPECT_EQ(LoteJson(again), expected);
}

// Replies read as the parser goes: members after the batches, metadata of any shape, repeated
// members (the last counts), references back, empty objects.
TEST(DtoJson, RepliesAreReadAsTheyCome) {
  TDtoOwner owner;
  const auto lotes = TDtoJsonReader(owner).ReadLoteList(
      R"({"@odata.context":{"deep":[1,{"x":[]}]},"value":[{"$id":1,"@xdata.type":{"any":[]},"Id":"A","Id":"B",)"
      R"("EventosPendentesXmlDTO":[{"$id":2,"Id":"E","Xml":"<a/>"},{"$ref":2},{}],"Descricao":null},{"$ref":1}],)"
      R"("@odata.count":2})");
  ASSERT_EQ(lotes.size(), 2u);
  EXPECT_EQ(lotes[0], lotes[1]);
  EXPECT_EQ(lotes[0]->Id, "B");
  EXPECT_FALSE(lotes[0]->Descricao);
  const auto& eventos = lotes[0]->EventosPendentesXmlDTO;
  ASSERT_EQ(eventos.size(), 3u);
  EXPECT_EQ(eventos[0], eventos[1]);
  EXPECT_EQ(eventos[0]->Xml, "<a/>");
  EXPECT_EQ(eventos[2]->Id, "");
  EXPECT_EQ(TDtoJsonReader(owner).ReadLote("null"), nullptr);
  EXPECT_EQ(TDtoJsonReader(owner).ReadLoteList(R"({"value":[{"Id":"A"}],"value":[]})").size(), 0u);
}

TEST(DtoJson, RepliesThatDoNotFitTheObjectsAreErrors) {
  struct Case {
    bool list;  // ReadLoteList, else ReadLote
    const char* text;
    std::string message;
  } cases[] = {
      {false, R"({"Id":"L","Campo":1})", "JSON: member \"Campo\" matches no field of TEsocialLoteXmlDTO"},
      {false, R"({"Status":"pendente"})", "JSON: \"pendente\" is no value of TEnumEventoLoteStatus"},
      {false, R"({"Id":1})", "JSON: member \"Id\" is not a string"},
      {false, R"({"Id":{"a":1}})", "JSON: member \"Id\" is not a string"},
      {false, R"({"CodigoResposta":1.5})", "JSON: member \"CodigoResposta\" is not an integer"},
      {false, R"({"CodigoResposta":3000000000})", "JSON: member \"CodigoResposta\" is out of range"},
      {false, R"({"Consulting":"x"})", "JSON: member \"Consulting\" is not a boolean"},
      {false, R"({"EventosPendentesXmlDTO":{}})", "JSON: member \"EventosPendentesXmlDTO\" is not an array"},
      {false, R"({"EventosPendentesXmlDTO":[1]})", "JSON: TEventosPendentesXmlDTO is not an object"},
      {false, R"({"TempoEstimadoConclusao":"2024-01-05 10:00"})", "JSON: \"2024-01-05 10:00\" is not a date-time"},
      {false, R"({"$id":"x"})", "JSON: \"$id\" is not a number"},
      {false, "7", "JSON: TEsocialLoteXmlDTO is not an object"},
      {true, R"({"value":[{"$ref":9}]})", "JSON: \"$ref\" 9 names no object read before"},
      {true, R"({"value":[{"$id":1},{"$ref":1,"Id":"B"}]})", "JSON: \"$ref\" must stand alone and be a number"},
      {true, R"({"value":[{"$id":1},{"Id":"B","$ref":1}]})", "JSON: \"$ref\" must stand alone and be a number"},
      {true, R"({"value":[{"$ref":"1"}]})", "JSON: \"$ref\" must stand alone and be a number"},
      {true, R"({"value":[{"$id":1,"EventosPendentesXmlDTO":[{"$ref":1}]}]})",
       "JSON: \"$ref\" 1 is no TEventosPendentesXmlDTO"},
      {true, "[]", "JSON: reply holds no member \"value\""},
      {true, R"({"valor":[]})", "JSON: reply holds no member \"value\""},
      {true, R"({"value":{}})", "JSON: the list of batches is not an array"},
  };
  for (const auto& c : cases) {
    TDtoOwner owner;
    TDtoJsonReader reader(owner);
    EXPECT_EQ(testsupport::MessageOf<std::runtime_error>([&] {
                if (c.list)
                  reader.ReadLoteList(c.text);
                else
                  reader.ReadLote(c.text);
              }),
              c.message)
        << c.text;
  }
}

// The objects of a reply may take only so much more memory than its text: a reply of tiny
// objects is refused as it is read, one of as many bytes of real events is read.
TEST(DtoJson, ObjectsOverTheirMemoryBoundAreRefused) {
  std::string vazios = R"({"value":[{"EventosPendentesXmlDTO":[{})";
  while (vazios.size() < 2'000'000) vazios += ",{}";
  vazios += "]}]}";
  TDtoOwner owner;
  const std::string msg = testsupport::MessageOf([&] { TDtoJsonReader(owner).ReadLoteList(vazios); });
  EXPECT_EQ(msg.rfind("JSON: the objects of a reply of " + std::to_string(vazios.size()) + " bytes would take", 0), 0u)
      << msg;
  EXPECT_LT(owner.OwnedCount(), 100'000u);

  std::string eventos = R"({"value":[{"EventosPendentesXmlDTO":[)";
  for (int i = 0; eventos.size() < vazios.size(); ++i)
    eventos +=
        std::string(i ? "," : "") + R"({"Id":"E)" + std::to_string(i) + R"(","Xml":")" + std::string(4000, 'x') + "\"}";
  eventos += "]}]}";
  const auto lotes = TDtoJsonReader(owner).ReadLoteList(eventos);
  ASSERT_EQ(lotes.size(), 1u);
  EXPECT_GT(lotes[0]->EventosPendentesXmlDTO.size(), 400u);
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
