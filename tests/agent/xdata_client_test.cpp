// The REST contracts against the fake API over real HTTPS with the test CA.
#include "agent/xdata_client.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "agent/dto_json.h"
#include "agent/fake_api_fixture.h"
#include "platform/base64.h"

using nlohmann::json;
using namespace agent;

namespace {

const std::string kLote = "/empresa/EsocialLoteService/";

struct RestContracts : ::testing::Test {
  testsupport::FakeApi api;
  std::string token = "h." + platform::Base64Encode(R"({"empresa":{"slug":"acme"}})", true, false) + ".s";
  std::unique_ptr<TXDataClient> client = [this] {
    auto c = std::make_unique<TXDataClient>(ApiBaseAddress());
    c->SetAuthorization(token, "acme");
    return c;
  }();
  IEsocialLoteService& lote = client->Service<IEsocialLoteService>();
  ISfArquivoService& arquivo = client->Service<ISfArquivoService>();

  static json Reply(int status, json body) { return {{"status", status}, {"json", std::move(body)}}; }
};

json MinimalLote(const std::string& id) {
  return {{"$id", 1}, {"@xdata.type", "Esocial.Entidades.DTO.TEsocialLoteXmlDTO"}, {"Id", id}};
}

TEST_F(RestContracts, EveryOperationRouteMethodHeadersAndBody) {
  api.Route(kLote + "GetLotesGerados/", Reply(200, {{"value", json::array()}}));
  api.Route(kLote + "GetLotePorProtocolo/", Reply(200, MinimalLote("L1")));
  api.Route("/empresa/SfArquivoService/DownloadFileSagres/",
            {{"status", 200}, {"content_type", "application/octet-stream"}, {"body_base64", "UEsFBgAA"}});
  for (const char* op : {"GerarXmlEventosLote/", "ProcessarLoteEnviado/", "AtualizarLote/", "AtualizarLotes/"})
    api.Route(kLote + op, {{"status", 204}});
  TEsocialLoteXmlDTO batch;
  batch.Id = "B";

  EXPECT_TRUE(lote.GetLotesGerados().empty());
  lote.GerarXmlEventosLote();
  TEsocialLoteXmlDTO* got = lote.GetLotePorProtocolo("1.2.3");
  lote.ProcessarLoteEnviado(&batch);
  lote.AtualizarLote(&batch, true, 0);
  lote.AtualizarLotes({&batch, &batch}, false);
  EXPECT_EQ(arquivo.DownloadFileSagres("arq-9"), platform::Base64Decode("UEsFBgAA").value());
  ASSERT_NE(got, nullptr);
  EXPECT_EQ(got->Id, "L1");

  std::string one = LoteJson(&batch);
  struct Expected {
    std::string path;
    std::optional<std::string> body;
  } expected[] = {
      {kLote + "GetLotesGerados/", std::nullopt},
      {kLote + "GerarXmlEventosLote/", std::nullopt},
      {kLote + "GetLotePorProtocolo/", R"({"IdProtocolo":"1.2.3"})"},
      {kLote + "ProcessarLoteEnviado/", one},
      {kLote + "AtualizarLote/", R"({"EsocialLoteXmlDTO":)" + one + R"(,"Consulta":true,"Control":0})"},
      {kLote + "AtualizarLotes/", R"({"Lotes":[)" + one + R"(,{"$ref":1}],"Consulta":false})"},
      {"/empresa/SfArquivoService/DownloadFileSagres/", R"({"ArquivoId":"arq-9"})"},
  };
  auto requests = api.Requests();
  ASSERT_EQ(requests.size(), std::size(expected));
  for (std::size_t i = 0; i < requests.size(); ++i) {
    const auto& r = requests[i];
    SCOPED_TRACE(r.Path);
    EXPECT_EQ(r.Method, "POST");
    EXPECT_EQ(r.Path, expected[i].path);
    EXPECT_EQ(r.Body, expected[i].body.value_or(""));
    ASSERT_TRUE(r.Header("Authorization"));
    EXPECT_EQ(*r.Header("Authorization"), "Bearer " + token);
    ASSERT_TRUE(r.Header("tenant_id"));
    EXPECT_EQ(*r.Header("tenant_id"), "acme");
    ASSERT_TRUE(r.Header("XData-ExpandLevel"));
    EXPECT_EQ(*r.Header("XData-ExpandLevel"), "3");
    ASSERT_TRUE(r.Header("User-Agent"));
    EXPECT_EQ(*r.Header("User-Agent"), "TMS Http/1.0");
    if (expected[i].body) {
      ASSERT_TRUE(r.Header("content-type"));
      EXPECT_EQ(*r.Header("content-type"), "application/json");
    } else {
      EXPECT_FALSE(r.Header("content-type"));
    }
  }
}

TEST_F(RestContracts, BatchesAreReadBackWithTheirEventsAndReferences) {
  json event = {
      {"$id", 2},
      {"@xdata.type", "Esocial.Entidades.DTO.TEventosPendentesXmlDTO"},
      {"Id", "E1"},
      {"Chave", "evtRemun"},
      {"TipoEvento", "evtPeriodico"},
      {"CodigoEvento", "ID1123456780000002024010112345600001"},
      {"DataHora", "2024-01-05T10:30:15.250"},
      {"TipoOperacao", nullptr},
      {"Status", "ENVIADO"},
      {"Xml", "<eSocial/>"},
      {"Ocorrencias",
       json::array(
           {{{"$id", 3}, {"Id", ""}, {"Tipo", 2}, {"Codigo", 609}, {"Descricao", "é"}, {"Localizacao", "/x"}}})},
      {"CreatedAt", "2024-01-05"},
      {"StatusLote", "PROCESSADO_COM_ADVERTENCIA"}};
  json batch = MinimalLote("L1");
  batch["EventosPendentesXmlDTO"] = json::array({event, {{"$ref", 2}}});
  batch["TempoEstimadoConclusao"] = "2024-01-05T10:31";
  batch["CodigoResposta"] = 201;
  batch["Status"] = "AGUARDANDO_PROCESSAMENTO";
  api.Route(kLote + "GetLotesGerados/", Reply(200, {{"@odata.count", 1}, {"value", json::array({batch})}}));

  auto list = lote.GetLotesGerados();
  ASSERT_EQ(list.size(), 1u);
  const TEsocialLoteXmlDTO& b = *list[0];
  EXPECT_EQ(b.Id, "L1");
  EXPECT_EQ(b.Status, TEnumEventoLoteStatus::AGUARDANDO_PROCESSAMENTO);
  EXPECT_EQ(b.CodigoResposta, 201);
  EXPECT_FALSE(b.Descricao);
  ASSERT_TRUE(b.TempoEstimadoConclusao);
  EXPECT_EQ(DateTimeToJsonText(*b.TempoEstimadoConclusao), "2024-01-05T10:31");
  ASSERT_EQ(b.EventosPendentesXmlDTO.size(), 2u);
  EXPECT_EQ(b.EventosPendentesXmlDTO[0], b.EventosPendentesXmlDTO[1]);
  const TEventosPendentesXmlDTO& e = *b.EventosPendentesXmlDTO[0];
  EXPECT_EQ(e.Chave, TEnumChaveEvento::evtRemun);
  EXPECT_EQ(e.TipoEvento, TEnumTipoEvento::evtPeriodico);
  EXPECT_EQ(DateTimeToJsonText(e.DataHora), "2024-01-05T10:30:15.250");
  EXPECT_FALSE(e.TipoOperacao);
  EXPECT_EQ(e.Status, TEnumEventoStatus::ENVIADO);
  EXPECT_EQ(e.Xml, "<eSocial/>");
  ASSERT_EQ(e.Ocorrencias.size(), 1u);
  EXPECT_EQ(e.Ocorrencias[0]->Tipo, 2);
  EXPECT_EQ(e.Ocorrencias[0]->Codigo, 609);
  EXPECT_EQ(e.Ocorrencias[0]->Descricao, "é");
  EXPECT_EQ(e.StatusLote, TEnumEventoLoteStatus::PROCESSADO_COM_ADVERTENCIA);
}

TEST_F(RestContracts, StatusHandlingPerResultKind) {
  json text404 = {{"status", 404}, {"content_type", "text/plain"}, {"body", "nada"}};
  api.Route(kLote + "GetLotePorProtocolo/", text404);
  EXPECT_EQ(lote.GetLotePorProtocolo("P"), nullptr);
  api.Route(kLote + "GetLotePorProtocolo/", {{"status", 204}});
  EXPECT_EQ(lote.GetLotePorProtocolo("P"), nullptr);

  api.Route(kLote + "GetLotesGerados/", {{"status", 204}});
  EXPECT_TRUE(lote.GetLotesGerados().empty());
  api.Route(kLote + "GetLotesGerados/", text404);
  EXPECT_THROW(lote.GetLotesGerados(), EXDataClientRequestException);

  api.Route(kLote + "GerarXmlEventosLote/", {{"status", 201}});
  EXPECT_NO_THROW(lote.GerarXmlEventosLote());
  api.Route(kLote + "GerarXmlEventosLote/", {{"status", 204}});
  EXPECT_NO_THROW(lote.GerarXmlEventosLote());
  api.Route(kLote + "GerarXmlEventosLote/", text404);
  EXPECT_THROW(lote.GerarXmlEventosLote(), EXDataClientRequestException);

  api.Route("/empresa/SfArquivoService/DownloadFileSagres/", text404);
  EXPECT_THROW(arquivo.DownloadFileSagres("a"), EXDataClientRequestException);
  api.Route("/empresa/SfArquivoService/DownloadFileSagres/", {{"status", 204}});
  EXPECT_EQ(arquivo.DownloadFileSagres("a"), "");
}

TEST_F(RestContracts, ErrorTextsFromEachReplyForm) {
  const std::string uri = api.Url() + kLote + "GerarXmlEventosLote/";
  const std::string head = "XData server request error.\r\nUri: " + uri + "\r\nStatus code: ";
  struct Case {
    const char* reply;
    std::string text;
  } cases[] = {
      {R"({"status":500,"json":{"error":{"code":"E1","message":"Falhou",
           "errors":[{"code":"D1","message":"m1"},{"code":"D2","message":"m2"}]}}})",
       head + "500\r\nError Code: E1\r\nFalhou\r\nD1: m1\r\nD2: m2"},
      {R"({"status":401,"json":{"error":"invalid_token","error_description":"expirado"}})",
       head + "401\r\nError Code: invalid_token\r\nexpirado"},
      // A value that is no string is its JSON text, a repeated member counts last, an item that
      // is no object gives no line.
      {R"({"status":500,"content_type":"application/json","body":"{\"error\":\"x\",\"error\":{\"code\":42,)"
       R"(\"message\":{\"a\":[1,true,null,\"é\"]},\"errors\":[7,{\"message\":2.5},{\"code\":null}]}}"})",
       head + "500\r\nError Code: 42\r\n{\"a\":[1,true,null,\"é\"]}\r\n: 2.5\r\n: "},
      {R"({"status":401,"content_type":"application/json","body":"{\"error_description\":[\"a\"],\"error\":\"e1\"}"})",
       head + "401\r\nError Code: e1\r\n[\"a\"]"},
      {R"({"status":400,"content_type":"TEXT/PLAIN","body":"pedido ruim ção"})", head + "400\r\npedido ruim ção"},
      {R"({"status":400,"content_type":"text/plain","body":""})", head + "400\r\nBad Request"},
      // A charset parameter makes it no plain JSON reply: only the reason is added.
      {R"({"status":500,"content_type":"application/json; charset=utf-8","body":"{\"error\":{\"code\":\"E1\"}}"})",
       head + "500\r\nInternal Server Error"},
      // An error body that cannot be read adds nothing.
      {R"({"status":500,"content_type":"application/json","body":"{\"error\":"})", head + "500"},
      {R"({"status":503,"reason":"Fora do ar","content_type":"text/html","body":"<h1/>"})", head + "503\r\nFora do ar"},
      {R"({"status":302,"headers":{"Location":"https://example.invalid/"}})", head + "302\r\nFound"},
  };
  for (const auto& c : cases) {
    api.Route(kLote + "GerarXmlEventosLote/", json::parse(c.reply));
    try {
      lote.GerarXmlEventosLote();
      ADD_FAILURE() << c.reply;
    } catch (const EXDataClientRequestException& e) {
      EXPECT_EQ(e.what(), c.text);
    }
  }
}

TEST_F(RestContracts, CompressedBodiesAreDecoded) {
  for (const char* encoding : {"gzip", "deflate"}) {
    api.Route(kLote + "GetLotePorProtocolo/",
              {{"status", 200}, {"encoding", encoding}, {"json", MinimalLote(encoding)}});
    TEsocialLoteXmlDTO* b = lote.GetLotePorProtocolo("P");
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->Id, encoding);
  }
  api.Route("/empresa/SfArquivoService/DownloadFileSagres/",
            {{"status", 200}, {"encoding", "gzip"}, {"content_type", "application/zip"}, {"body", "PK-bytes"}});
  EXPECT_EQ(arquivo.DownloadFileSagres("a"), "PK-bytes");
}

TEST_F(RestContracts, TextBodiesThatAreNoUtf8AreReadAsWindows1252) {
  struct Case {
    std::string bytes, text;
  } cases[] = {
      {"a\xc3\xa7\xc3\xa3o", "ação"},      // UTF-8 as it is
      {"a\xe7\xe3o", "ação"},              // Latin-1 letters
      {"\x80 \x93x\x94 \x9c", "€ “x” œ"},  // the Windows-1252 block
      {"\xc3\xa9\xe9", "éé"},              // UTF-8 and Latin-1 mixed
      {"fim \xc3", "fim Ã"},               // a sequence cut short
      {"\xed\xa0\x80", "í\xc2\xa0€"},      // a surrogate is no UTF-8
  };
  const std::string head =
      "XData server request error.\r\nUri: " + api.Url() + kLote + "GerarXmlEventosLote/\r\nStatus code: 400\r\n";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    std::string json = R"({"$id":1,"Id":"L","Descricao":")" + c.bytes + R"("})";
    api.Route(kLote + "GetLotePorProtocolo/",
              {{"status", 200}, {"content_type", "application/json"}, {"body_base64", platform::Base64Encode(json)}});
    TEsocialLoteXmlDTO* b = lote.GetLotePorProtocolo("P");
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->Descricao, c.text);

    api.Route(kLote + "GerarXmlEventosLote/",
              {{"status", 400}, {"content_type", "text/plain"}, {"body_base64", platform::Base64Encode(c.bytes)}});
    try {
      lote.GerarXmlEventosLote();
      ADD_FAILURE();
    } catch (const EXDataClientRequestException& e) {
      EXPECT_EQ(e.what(), head + c.text);
    }
  }
  // The archive is bytes, not text: it arrives unchanged.
  api.Route("/empresa/SfArquivoService/DownloadFileSagres/",
            {{"status", 200}, {"body_base64", platform::Base64Encode("PK\xe9\x80\xff")}});
  EXPECT_EQ(arquivo.DownloadFileSagres("a"), "PK\xe9\x80\xff");
}

TEST_F(RestContracts, RepliesThatDoNotFitTheObjectsAreErrors) {
  json extra = MinimalLote("L");
  extra["Campo"] = 1;
  json badEnum = MinimalLote("L");
  badEnum["Status"] = "pendente";
  json badDate = MinimalLote("L");
  badDate["TempoEstimadoConclusao"] = "2024-01-05 10:00";
  json danglingRef = {{"value", json::array({{{"$ref", 9}}})}};
  for (const json& body : {extra, badEnum, badDate}) {
    api.Route(kLote + "GetLotePorProtocolo/", Reply(200, body));
    EXPECT_THROW(lote.GetLotePorProtocolo("P"), std::runtime_error) << body.dump();
  }
  api.Route(kLote + "GetLotesGerados/", Reply(200, danglingRef));
  EXPECT_THROW(lote.GetLotesGerados(), std::runtime_error);
  api.Route(kLote + "GetLotesGerados/", Reply(200, json::array()));
  EXPECT_THROW(lote.GetLotesGerados(), std::runtime_error);
}

TEST_F(RestContracts, TheServerCertificateIsAlwaysVerified) {
  api.Route(kLote + "GerarXmlEventosLote/", {{"status", 200}});
  std::string ca = std::getenv("SSL_CERT_FILE");
  unsetenv("SSL_CERT_FILE");
  EXPECT_THROW(lote.GerarXmlEventosLote(), platform::EHttpTransport);
  setenv("SSL_CERT_FILE", ca.c_str(), 1);
  EXPECT_NO_THROW(lote.GerarXmlEventosLote());
  EXPECT_EQ(api.Requests().size(), 1u);
}

TEST(ApiAddress, EnvironmentOverridesTheDefaultAndEmpresaIsAppended) {
  setenv("NEMBO_API_URL", "https://rh.example:8443/", 1);
  EXPECT_EQ(ApiBaseAddress(), "https://rh.example:8443/empresa");
  unsetenv("NEMBO_API_URL");
  std::string compiled = ApiBaseAddress();
  EXPECT_EQ(compiled.rfind("https://", 0), 0u) << compiled;
  EXPECT_EQ(compiled.substr(compiled.size() - 8), "/empresa");
}

}  // namespace
