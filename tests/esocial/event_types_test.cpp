#include "esocial/event_types.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <typeinfo>

#include "dfe/exceptions.h"
#include "platform/files.h"
#include "platform/strings.h"

using namespace esocial;

namespace {

constexpr TVersaoeSocial kVersoes[] = {ve02_04_01,  ve02_04_02,  ve02_05_00, veS01_00_00,
                                       veS01_01_00, veS01_02_00, veS01_03_00};

std::string Documento(std::string_view elemento) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><eSocial xmlns=\"x\"><" + std::string(elemento) +
         " Id=\"ID1234\"><ideEvento><tpAmb>2</tpAmb></ideEvento></" + std::string(elemento) + "></eSocial>";
}

TTipoEvento Reconhece(std::string_view xml, TVersaoeSocial versao, bool* okOut = nullptr) {
  bool ok = false;
  TTipoEvento tipo = XMLToTipoEvento(ok, xml, versao);
  if (okOut) *okOut = ok;
  return tipo;
}

bool Placeholder(const TRecMatrixEventoInfo& linha) {
  return linha.EventoString == "NI" || linha.EventoString.starts_with("S-");
}

}  // namespace

// The code texts, the value names, the matrix and the schema stems are four separate tables
// that must agree for every event type.
TEST(EventTypes, TablesAgree) {
  auto matriz = MatrixEventos();
  ASSERT_EQ(matriz.size(), 77u);
  for (std::size_t r = 0; r < matriz.size(); ++r) {
    const auto& linha = matriz[r];
    SCOPED_TRACE("row " + std::to_string(r + 1) + " " + std::string(linha.TipoEventoString));
    EXPECT_LE(linha.VersaoeSocialDe, linha.VersaoeSocialAte);
    EXPECT_EQ(linha.Versao, "");
    EXPECT_EQ(TipoEventoToStr(linha.TipoEvento), linha.TipoEventoString);

    // Value names: "teS" and the digits of the code text find the row by kind 0.
    std::string_view codigo = linha.TipoEventoString;
    if (codigo.size() == 6 && platform::StrToIntDef(codigo.substr(2), -1) > 0) {
      auto porNome = GetMatrixEventoInfo(chTipoEvento, "teS" + std::string(codigo.substr(2)), linha.VersaoeSocialAte);
      EXPECT_EQ(porNome.TipoEvento, linha.TipoEvento);
    }
    EXPECT_EQ(GetMatrixEventoInfo(chTipoEventoString, linha.TipoEventoString, linha.VersaoeSocialDe).TipoEvento,
              linha.TipoEvento);
    // The element to sign is looked up by the type's value name: every name, not only the
    // numbered ones, must lead back to this row.
    EXPECT_EQ(TipoEventoToEventoString(linha.TipoEvento, linha.VersaoeSocialDe),
              GetMatrixEventoInfo(chTipoEventoString, linha.TipoEventoString, linha.VersaoeSocialDe).EventoString);

    // The element recognises its own row under every version of the row's range.
    if (!Placeholder(linha)) {
      for (auto v : kVersoes) {
        if (v < linha.VersaoeSocialDe || v > linha.VersaoeSocialAte) continue;
        bool ok = false;
        EXPECT_EQ(Reconhece(Documento(linha.EventoString), v, &ok), linha.TipoEvento);
        EXPECT_TRUE(ok);
        EXPECT_EQ(GetMatrixEventoInfo(chStrEventoToTipoEvento, linha.StrEventoToTipoEvento, v).TipoEvento,
                  linha.TipoEvento);
      }
    }

    // The second key is the element, except where the remark says otherwise.
    if (linha.Observacao == "TeventoString <> StrEventoToTipoEvento") {
      EXPECT_NE(linha.StrEventoToTipoEvento, linha.EventoString);
    } else if (linha.EventoString != "NI") {
      EXPECT_EQ(linha.StrEventoToTipoEvento, linha.EventoString);
    }

    // Schema: its stem names the element (event schemas) or the element without "evt"
    // (message schemas); kind 4 finds the row by the schema's value name.
    if (linha.Schema != schNaoIdentificado) {
      std::string stem = eSocialSchemaToStr(linha.Schema);
      EXPECT_TRUE(platform::SameText(stem, linha.EventoString) || "evt" + stem == linha.EventoString) << stem;
      EXPECT_EQ(GetMatrixEventoInfo(chSchema, "sch" + stem, linha.VersaoeSocialAte).Schema, linha.Schema);
    }
    if (linha.LinhaDeEvento) {
      EXPECT_EQ(TipoEventoToeSocialSchema(linha.TipoEvento, linha.VersaoeSocialAte), linha.Schema);
    }
  }
}

TEST(EventTypes, CodeTexts) {
  for (int i = 0; i <= teNaoIdentificado; ++i) {
    auto tipo = static_cast<TTipoEvento>(i);
    bool ok = false;
    EXPECT_EQ(StrToTipoEvento(ok, TipoEventoToStr(tipo)), tipo) << i;
    EXPECT_TRUE(ok);
  }
  EXPECT_EQ(TipoEventoToStr(teS2231), "S-2231");
  EXPECT_EQ(TipoEventoToStr(teS5001), "S-5001");
  EXPECT_EQ(TipoEventoToStr(teS8299), "S-8299");
  EXPECT_EQ(TipoEventoToStr(teConsultaIdentEventos), "S-CONSULTAIDENTEVENTOS");
  EXPECT_EQ(TipoEventoToStr(teASO), "S-EVTASO");
  EXPECT_EQ(TipoEventoToStr(teNaoIdentificado), "");
  EXPECT_EQ(TipoEventoToStr(static_cast<TTipoEvento>(teNaoIdentificado + 1)), "");
  bool ok = false;
  EXPECT_EQ(StrToTipoEvento(ok, "s-2231"), teS2231);
  EXPECT_TRUE(ok);
  EXPECT_EQ(StrToTipoEvento(ok, ""), teNaoIdentificado);
  EXPECT_TRUE(ok);
  EXPECT_EQ(StrToTipoEvento(ok, "S-9999"), teS1000);
  EXPECT_FALSE(ok);
}

// Which types each version recognises from an event document's element.
TEST(EventTypes, RecognitionByVersion) {
  auto matriz = MatrixEventos();
  auto reconhecidos = [&](TVersaoeSocial v) {
    std::set<std::string> tipos;
    for (const auto& linha : matriz) {
      if (Placeholder(linha)) continue;
      auto tipo = Reconhece(Documento(linha.EventoString), v);
      if (tipo != teErro) tipos.insert(TipoEventoToStr(tipo));
    }
    return tipos;
  };
  const std::set<std::string> soV25 = {"S-1030", "S-1035", "S-1040", "S-1050", "S-1060", "S-1080", "S-1250",
                                       "S-1295", "S-1300", "S-2245", "S-2250", "S-2260", "S-5012"};
  const std::set<std::string> nunca = {"S-1220", "S-2100", "S-2305", "S-4000", "S-4999", "S-5501", "S-5503"};
  for (auto v : {veS01_00_00, veS01_01_00, veS01_02_00, veS01_03_00}) {
    SCOPED_TRACE(VersaoeSocialToStr(v));
    auto tipos = reconhecidos(v);
    for (const auto& t : soV25) EXPECT_EQ(tipos.count(t), 0u) << t;
    for (const auto& t : nunca) EXPECT_EQ(tipos.count(t), 0u) << t;
    for (const char* t :
         {"S-1000", "S-1207", "S-1210", "S-2200", "S-2299", "S-3000", "S-5001", "S-5011", "S-8299", "S-EVTADESAO"})
      EXPECT_EQ(tipos.count(t), 1u) << t;
    EXPECT_EQ(tipos.count("S-2500"), v >= veS01_01_00 ? 1u : 0u);
    EXPECT_EQ(tipos.count("S-2221"), v >= veS01_02_00 ? 1u : 0u);
    EXPECT_EQ(tipos.count("S-2555"), v >= veS01_03_00 ? 1u : 0u);
  }
  auto v25 = reconhecidos(ve02_05_00);
  std::set<std::string> esperado = soV25;
  esperado.insert("S-1207");
  EXPECT_EQ(v25, esperado);
  EXPECT_TRUE(reconhecidos(ve02_04_01).empty());
  EXPECT_TRUE(reconhecidos(ve02_04_02).empty());

  struct Caso {
    const char* elemento;
    TVersaoeSocial versao;
    TTipoEvento tipo;
  };
  const Caso casos[] = {
      {"evtInfoEmpregador", veS01_00_00, teS1000},  {"evtInfoEmpregador", veS01_03_00, teS1000},
      {"evtInfoEmpregador", ve02_05_00, teErro},    {"evtInfoEmpregador", ve02_04_02, teErro},
      {"evtToxic", veS01_02_00, teS2221},           {"evtToxic", veS01_01_00, teErro},
      {"evtConsolidContProc", veS01_02_00, teErro}, {"evtTabCargo", veS01_03_00, teErro},
      {"evtTabCargo", ve02_05_00, teS1030},         {"evtCdBenPrRP", ve02_05_00, teS1207},
      {"evtCdBenPrRP", veS01_03_00, teErro},        {"evtBenPrRP", veS01_00_00, teS1207},
      {"evtBenPrRP", ve02_05_00, teErro},           {"evtIRRF", veS01_03_00, teErro},
      {"evtinfoempregador", veS01_03_00, teErro},   {"evtTabHorContratual", ve02_05_00, teErro},
  };
  for (const auto& c : casos) {
    bool ok = false;
    EXPECT_EQ(Reconhece(Documento(c.elemento), c.versao, &ok), c.tipo)
        << c.elemento << " " << VersaoeSocialToStr(c.versao);
    EXPECT_TRUE(ok);
  }
}

TEST(EventTypes, RecognitionOfDocumentShapes) {
  struct Caso {
    const char* xml;
    TTipoEvento tipo;
    bool ok;
  };
  const Caso casos[] = {
      // A signed event: the Id inside the signature does not name the event.
      {"<eSocial><evtRemun Id=\"ID1\"><x/></evtRemun><Signature xmlns=\"s\"><SignedInfo>"
       "<Reference URI=\"#ID1\"/><Object Id=\"o\"/></SignedInfo></Signature></eSocial>",
       teS1200, true},
      // Without the blank after Signature the whole text is searched.
      {"<eSocial><evtRemun Id=\"ID1\"/><Signature><Object Id=\"o\"/></Signature></eSocial>", teErro, true},
      {"<eSocial><evtRemun><x/></evtRemun></eSocial>", teNaoIdentificado, false},
      {"<eSocial><evtRemun Id='ID1'/></eSocial>", teNaoIdentificado, false},
      {"Id=\"ID1\"", teNaoIdentificado, false},
      {"<Id=\"ID1\"", teNaoIdentificado, false},
      {"", teNaoIdentificado, false},
      // Another attribute before Id becomes part of the name.
      {"<eSocial><evtRemun a=\"1\" Id=\"ID1\"/></eSocial>", teErro, true},
      {"<eSocial><evtRemun\n\tId=\"ID1\"/></eSocial>", teS1200, true},
      // Only an attribute names the event: "Id=" in text, a comment or a value does not.
      {"<eSocial><evtRemun Id=\"ID1\"><obs>Ref Id=\"X\"</obs></evtRemun></eSocial>", teS1200, true},
      {"<eSocial><evtRemun Id=\"ID1\"><e b='Id=\"q\"'/><!-- <c Id=\"c\"/> --></evtRemun></eSocial>", teS1200, true},
      {"<eSocial><evtRemun Id=\"ID1\"><obs>Id=\"X\"</obs></evtRemun><Signature xmlns=\"s\"/></eSocial>", teS1200, true},
  };
  for (const auto& c : casos) {
    bool ok = !c.ok;
    EXPECT_EQ(XMLToTipoEvento(ok, c.xml, veS01_03_00), c.tipo) << c.xml;
    EXPECT_EQ(ok, c.ok) << c.xml;
  }
}

TEST(EventTypes, RecognitionOfIniText) {
  struct Caso {
    const char* ini;
    TTipoEvento tipo;
    bool ok;
  };
  const Caso casos[] = {
      {"[evtInfoEmpregador]\nId=ID1\n[ideEvento]\ntpAmb=2\n", teS1000, true},
      {"; x\n[ evtRemun ]\n", teS1200, true},
      {"[evtDesconhecido]\n", teErro, true},
      {"]evtRemun[", teNaoIdentificado, false},
      {"[  ]", teNaoIdentificado, false},
      {"evtRemun", teNaoIdentificado, false},
      {"[evtRemun", teNaoIdentificado, false},
  };
  for (const auto& c : casos) {
    bool ok = !c.ok;
    EXPECT_EQ(IniToTipoEvento(ok, c.ini, veS01_03_00), c.tipo) << c.ini;
    EXPECT_EQ(ok, c.ok) << c.ini;
  }
  bool ok = false;
  EXPECT_EQ(IniToTipoEvento(ok, "[evtCdBenPrRP]", ve02_05_00), teS1207);
}

TEST(EventTypes, MatrixLookup) {
  EXPECT_EQ(TipoEventoToEventoString(teS1000, veS01_03_00), "evtInfoEmpregador");
  EXPECT_EQ(TipoEventoToEventoString(teS1207, veS01_00_00), "evtBenPrRP");
  EXPECT_EQ(TipoEventoToEventoString(teS1207, ve02_05_00), "evtCdBenPrRP");
  EXPECT_EQ(TipoEventoToEventoString(teS1030, veS01_03_00), "");
  EXPECT_EQ(TipoEventoToEventoString(teS5501, veS01_03_00), "");
  EXPECT_EQ(TipoEventoToEventoString(static_cast<TTipoEvento>(500), veS01_03_00), "");

  auto padrao = GetMatrixEventoInfo(7, "evtRemun", veS01_03_00);
  EXPECT_EQ(padrao.TipoEvento, teErro);
  EXPECT_EQ(padrao.Schema, schErro);
  EXPECT_EQ(padrao.VersaoeSocialDe, veS01_00_00);
  EXPECT_EQ(padrao.VersaoeSocialAte, veS01_00_00);
  EXPECT_EQ(padrao.EventoString, "");
  EXPECT_EQ(padrao.TipoEventoString, "");
  EXPECT_EQ(GetMatrixEventoInfo(chTipoEvento, "teS9999", veS01_03_00).TipoEvento, teErro);
  EXPECT_EQ(GetMatrixEventoInfo(chTipoEvento, "tes1000", veS01_03_00).TipoEvento, teErro);
  EXPECT_EQ(GetMatrixEventoInfo(chSchema, "schEvtToxic", veS01_03_00).TipoEvento, teS2221);
  EXPECT_EQ(GetMatrixEventoInfo(chSchema, "schevtToxic", veS01_03_00).TipoEvento, teErro);
  EXPECT_EQ(GetMatrixEventoInfo(chStrEventoToTipoEvento2, "S-5001", veS01_03_00).EventoString, "evtBasesTrab");
  // The first row that matches answers: S-4000 and S-4999 share the element "NI".
  EXPECT_EQ(GetMatrixEventoInfo(chEventoString, "NI", veS01_03_00).TipoEvento, teS4000);
  EXPECT_EQ(GetMatrixEventoInfo(chEventoString, "evtBaixa", veS01_03_00).Observacao, "");
  EXPECT_EQ(GetMatrixEventoInfo(chTipoEventoString, "S-1220", veS01_00_00).Observacao, "Evento não identificado");
}

TEST(EventTypes, Schemas) {
  EXPECT_EQ(TipoEventoToeSocialSchema(teS1207, veS01_00_00), schevtBenPrRP);
  EXPECT_EQ(TipoEventoToeSocialSchema(teS1207, ve02_05_00), schevtCdBenPrRP);
  EXPECT_EQ(TipoEventoToeSocialSchema(teS1207, ve02_04_01), schevtCdBenPrRP);
  EXPECT_EQ(TipoEventoToeSocialSchema(teS1220, veS01_03_00), schevtInfoIR);
  EXPECT_EQ(TipoEventoToeSocialSchema(teS1030, veS01_03_00), schevtTabCargo);
  EXPECT_EQ(TipoEventoToeSocialSchema(teS2221, veS01_03_00), schEvtToxic);
  for (auto t : {teS8299, teS5001, teS5002, teS5003, teS5011, teS5012, teS5013, teS5501, teS5503, teS2100, teS4000,
                 teASO, teAdesao, teEnvioLoteEventos, teErro, teNaoIdentificado})
    EXPECT_EQ(TipoEventoToeSocialSchema(t, veS01_03_00), schErro) << TipoEventoToStr(t);

  EXPECT_EQ(eSocialSchemaToStr(schEvtTreiCap), "EvtTreiCap");
  EXPECT_EQ(eSocialSchemaToStr(schevtInfoEmpregador), "evtInfoEmpregador");
  EXPECT_EQ(eSocialSchemaToStr(schEvtToxic), "EvtToxic");
  EXPECT_EQ(eSocialSchemaToStr(schevtReabreEvper), "evtReabreEvper");
  EXPECT_EQ(eSocialSchemaToStr(schEvtConsolidContProc), "EvtConsolidContProc");
  EXPECT_EQ(eSocialSchemaToStr(schEnvioLoteEventos), "EnvioLoteEventos");
  EXPECT_EQ(eSocialSchemaToStr(schErro), "Erro");
  EXPECT_EQ(eSocialSchemaToStr(schevtCdBenPrRP), "evtCdBenPrRP");
  EXPECT_EQ(eSocialSchemaToStr(static_cast<TeSocialSchema>(schevtCdBenPrRP + 1)), "");
}

// Every schema an event recognised under the newest layout validates against names a file of
// the schema folder, matched ignoring letter case where the exact name is absent.
TEST(EventTypes, SchemaFilesExistForNewestLayout) {
  const std::filesystem::path pasta = std::filesystem::path(NEMBO_SCHEMAS_DIR);
  ASSERT_TRUE(std::filesystem::is_directory(pasta)) << pasta;
  std::set<std::string> stems;
  for (const auto& linha : MatrixEventos()) {
    if (Placeholder(linha)) continue;
    TTipoEvento tipo = Reconhece(Documento(linha.EventoString), veS01_03_00);
    if (tipo == teErro) continue;
    TeSocialSchema schema = TipoEventoToeSocialSchema(tipo, veS01_03_00);
    if (schema != schErro) stems.insert(eSocialSchemaToStr(schema));
  }
  EXPECT_EQ(stems.size(), 40u);
  for (const auto& stem : stems) {
    auto arquivo = pasta / (stem + "-" + VersaoeSocialToStr(veS01_03_00) + ".xsd");
    EXPECT_TRUE(std::filesystem::is_regular_file(platform::FindFileIgnoringCase(arquivo))) << arquivo;
  }
  auto toxic = pasta / "EvtToxic-v_S_01_03_00.xsd";
  EXPECT_FALSE(std::filesystem::exists(toxic));
  EXPECT_EQ(platform::FindFileIgnoringCase(toxic).filename(), "evtToxic-v_S_01_03_00.xsd");
}

TEST(EventTypes, Versions) {
  const struct {
    TVersaoeSocial versao;
    const char* texto;
    double numero;
  } versoes[] = {
      {ve02_04_01, "v02_04_01", 2.0401},   {ve02_04_02, "v02_04_02", 2.0402},   {ve02_05_00, "v02_05_00", 2.05},
      {veS01_00_00, "v_S_01_00_00", 10.0}, {veS01_01_00, "v_S_01_01_00", 10.1}, {veS01_02_00, "v_S_01_02_00", 10.2},
      {veS01_03_00, "v_S_01_03_00", 10.3},
  };
  for (const auto& v : versoes) {
    EXPECT_EQ(VersaoeSocialToStr(v.versao), v.texto);
    EXPECT_EQ(StrToVersaoeSocial(v.texto), v.versao);
    EXPECT_DOUBLE_EQ(VersaoeSocialToFloat(v.versao), v.numero);
  }
  EXPECT_EQ(VersaoeSocialToStr(static_cast<TVersaoeSocial>(7)), "");
  try {
    StrToVersaoeSocial("v_s_01_03_00");
    ADD_FAILURE() << "no exception";
  } catch (const dfe::ETrivoException& e) {
    EXPECT_EQ(typeid(e), typeid(dfe::ETrivoException));
    EXPECT_STREQ(e.what(), "Valor string inválido para TVersaoeSocial: v_s_01_03_00");
  }
  EXPECT_THROW(StrToVersaoeSocial(""), dfe::ETrivoException);
}

TEST(EventTypes, Services) {
  const struct {
    TLayOut layOut;
    const char* texto;
    TeSocialSchema schema;
  } servicos[] = {
      {LayEnvioLoteEventos, "EnviarLoteEventos", schEnvioLoteEventos},
      {LayConsultaLoteEventos, "ConsultarLoteEventos", schConsultaLoteEventos},
      {LayConsultaIdentEventos, "ConsultarIdentificadoresEventos", schConsultaIdentEventos},
      {LayDownloadEventos, "DownloadEventos", schDownloadEventos},
  };
  for (const auto& s : servicos) {
    EXPECT_EQ(LayOutToStr(s.layOut), s.texto);
    bool ok = false;
    EXPECT_EQ(StrToLayOut(ok, platform::LowerCase(s.texto)), s.layOut);
    EXPECT_TRUE(ok);
    EXPECT_EQ(LayOutToeSocialSchema(s.layOut), s.schema);
  }
  bool ok = true;
  EXPECT_EQ(StrToLayOut(ok, "EnviarLote"), LayEnvioLoteEventos);
  EXPECT_FALSE(ok);
  EXPECT_EQ(LayOutToStr(static_cast<TLayOut>(4)), "");
  EXPECT_EQ(LayOutToeSocialSchema(static_cast<TLayOut>(4)), schErro);
}
