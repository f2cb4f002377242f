#include "dfe/component_base.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "dfe/configuration.h"
#include "dfe/exceptions.h"
#include "dfe/services_ini.h"
#include "platform/files.h"
#include "platform/strings.h"
#include "support/message_of.h"
#include "support/peer.h"

using namespace dfe;
namespace fs = std::filesystem;
using testsupport::MakeTempDir;
using testsupport::MessageOf;
using testsupport::ReadFile;
using testsupport::WriteFile;

namespace {

// A component whose services INI, schema and save folders are the test's own.
struct Componente {
  std::string dir = MakeTempDir("dfebase");
  std::unique_ptr<TTrivoDFe> dfe = TTrivoDFe::Criar();
  std::vector<std::string> log;

  Componente() {
    auto& arq = *dfe->Configuracoes().Arquivos;
    arq.SetPathSalvar(dir + "/Docs");
    arq.SetPathSchemas(dir + "/Schemas");
    arq.SetIniServicos(dir + "/TrivoServicos.ini");
  }
  void Registrar(bool tratar) {
    dfe->OnGerarLog = [this, tratar](const std::string& linha, bool& tratado) {
      log.push_back(linha);
      tratado = tratar;
    };
  }
};

const char kEmbedded[] =
    "[NFe_SP_H]\nUsar=NFe_AN_H\n"
    "[NFe_AN_H]\nConsulta_1.00=https://embedded/consulta\nConsulta=https://embedded/plain\n"
    "[NFe_SP_P]\nConsulta=https://embedded/producao\n";

}  // namespace

TEST(ComponentBase, ServicesIniFromEmbeddedTextOrFile) {
  RegisterEmbeddedServicesIni("TrivoServicos", kEmbedded);
  {
    Componente c;
    double v = 1.5;
    std::string url;
    c.dfe->LerServicoDeParams("NFe", "SP", taHomologacao, "Consulta", v, url);
    EXPECT_EQ(url, "https://embedded/consulta");
    EXPECT_DOUBLE_EQ(v, 1.0);
    EXPECT_EQ(c.dfe->LerURLDeParams("NFe", "SP", taProducao, "consulta", 0), "https://embedded/producao");
    EXPECT_DOUBLE_EQ(c.dfe->LerVersaoDeParams("NFe", "SP", taProducao, "Consulta", 2), 2);
    EXPECT_EQ(MessageOf<ETrivoDFeException>([&] { c.dfe->LerServicoDeParams("", "SP", taProducao, "X", v, url); }),
              "ModeloDFe não pode ser vazio");
    EXPECT_EQ(MessageOf<ETrivoDFeException>([&] { c.dfe->LerServicoDeParams("NFe", "", taProducao, "X", v, url); }),
              "UF não pode ser vazia");
    EXPECT_EQ(
        MessageOf<ETrivoDFeException>([&] { c.dfe->LerServicoDeParams("NFe", "SP", taProducao, "Outro", v, url); }),
        "URL para o serviço \"Outro\" não encontrada na sessão \"NFe_SP_P\" no arquivo "
        "\"TrivoServicos\"");
  }
  {
    // An empty file is ignored; a file of another letter case in the folder replaces the
    // embedded text.
    Componente e;
    WriteFile(e.dir + "/trivoservicos.INI", "");
    EXPECT_EQ(e.dfe->LerURLDeParams("NFe", "SP", taProducao, "Consulta", 0), "https://embedded/producao");
    Componente c;
    WriteFile(c.dir + "/trivoservicos.INI", "[NFe_SP_P]\nConsulta=https://file/producao\n");
    EXPECT_EQ(c.dfe->LerURLDeParams("NFe", "SP", taProducao, "Consulta", 0), "https://file/producao");
    // Loaded once: a later change of the file is not seen.
    WriteFile(c.dir + "/trivoservicos.INI", "[NFe_SP_P]\nConsulta=https://file/changed\n");
    double v = 0;
    std::string url;
    c.dfe->LerServicoChaveDeParams("nfe_sp_p", "Consulta", v, url);
    EXPECT_EQ(url, "https://file/producao");
  }
}

TEST(ComponentBase, ServicesIniFileInTheProgramFolder) {
  const std::string nome = "TesteBase" + platform::NewGuidText();
  RegisterEmbeddedServicesIni(nome, "[NFe_SP_P]\nConsulta=https://embedded\n");
  auto dfe = TTrivoDFe::Criar();
  dfe->Configuracoes().WebServices->SetResourceName(nome);
  const std::string arquivo = platform::ProgramFolder() + platform::LowerCase(nome) + ".INI";
  WriteFile(arquivo, "[NFe_SP_P]\nConsulta=https://program-folder\n");
  std::shared_ptr<void> remover(nullptr, [&](void*) { fs::remove(arquivo); });
  EXPECT_EQ(dfe->LerURLDeParams("NFe", "SP", taProducao, "Consulta", 0), "https://program-folder");
}

TEST(ComponentBase, SchemaFileLookup) {
  Componente c;
  const std::string schemas = c.dir + "/Schemas/";
  double v = 1.5;
  EXPECT_EQ(MessageOf<ETrivoDFeException>([&] { c.dfe->LocalizarArquivoSchema("evtX", v); }),
            "Nenhum arquivo de Schema encontrado na pasta: \r\n" + schemas);
  fs::create_directories(schemas);
  for (const char* f : {"evtX_v1.00.xsd", "evtX_v2.00.xsd", "EvtY_v1.00.XSD", "evtZ.xsd", "note.txt"})
    WriteFile(schemas + f, "<xs:schema/>");
  // The failed listing left the list empty, so the next lookup lists the folder again.
  struct Case {
    const char* nome;
    double pedida;
    const char* arquivo;
    double achada;
  } cases[] = {
      {"evtX", 1.5, "evtX_v1.00.xsd", 1.0},
      {"evtX", 2.0, "evtX_v2.00.xsd", 2.0},
      {"evtX", 9.0, "evtX_v2.00.xsd", 2.0},
      {"evtX", 0.5, "", 0},
      {"EVTX", 1.0, "evtX_v1.00.xsd", 1.0},  // exact name, letter case ignored
      {"evty", 1.2, "EvtY_v1.00.XSD", 1.0},  // stem spelled in another case on disk
      {"evtZ", 0, "evtZ.xsd", 0},
      {"evtW", 1.0, "", 0},
      {"", 3.0, "", 3.0},
  };
  for (const auto& k : cases) {
    double versao = k.pedida;
    std::string r = c.dfe->LocalizarArquivoSchema(k.nome, versao);
    EXPECT_EQ(r, *k.arquivo ? schemas + k.arquivo : "") << k.nome << " " << k.pedida;
    EXPECT_DOUBLE_EQ(versao, k.achada) << k.nome << " " << k.pedida;
  }
  EXPECT_EQ(c.dfe->VersaoDoNomeSchema("evtX_v1.05.xsd"), "1.05");
  EXPECT_EQ(c.dfe->VersaoDoNomeSchema("evtX.xsd"), "");
  EXPECT_EQ(c.dfe->VersaoNumeroParaTexto(2.5), "2.50");
  EXPECT_EQ(c.dfe->VersaoNumeroParaTexto(0), "");
  EXPECT_DOUBLE_EQ(c.dfe->VersaoTextoParaNumero("1,25"), 1.25);
  EXPECT_DOUBLE_EQ(c.dfe->VersaoTextoParaNumero("x1"), 0);
}

namespace {

// A component whose services have schemas: the schema's version wins over the INI's.
struct ComSchemas : TTrivoDFe {
  std::string NomeSchemaDoServico(const std::string& NomeServico) override {
    return NomeServico == "Consulta" ? "evtX" : "";
  }
};

}  // namespace

TEST(ComponentBase, SchemaVersionBecomesTheServiceVersion) {
  const std::string dir = MakeTempDir("dfeschemaver");
  RegisterEmbeddedServicesIni("TesteSchemaVersao",
                              "[NFe_SP_P]\nConsulta=https://plain\nConsulta_2.00=https://two\n"
                              "Outro_2.00=https://other\n");
  auto dfe = TTrivoDFe::Criar<ComSchemas>();
  dfe->Configuracoes().WebServices->SetResourceName("TesteSchemaVersao");
  dfe->Configuracoes().Arquivos->SetIniServicos(dir + "/none.ini");
  dfe->Configuracoes().Arquivos->SetPathSchemas(dir + "/Schemas");
  fs::create_directories(dir + "/Schemas");
  WriteFile(dir + "/Schemas/evtX_v1.00.xsd", "<xs:schema/>");
  double v = 2.5;
  std::string url;
  dfe->LerServicoDeParams("NFe", "SP", taProducao, "Consulta", v, url);
  EXPECT_EQ(url, "https://two");
  EXPECT_DOUBLE_EQ(v, 1.0);
  // No schema for the service: the INI's version.
  EXPECT_DOUBLE_EQ(dfe->LerVersaoDeParams("NFe", "SP", taProducao, "Outro", 2.5), 2.0);
  // Neither the INI nor the schemas go that low: the version asked for stays.
  EXPECT_DOUBLE_EQ(dfe->LerVersaoDeParams("NFe", "SP", taProducao, "Consulta", 0.5), 0.5);
}

TEST(ComponentBase, GravarWritesWithTheDeclarationRule) {
  Componente c;
  const std::string decl = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
  struct Case {
    const char* nome;
    std::string conteudo;
    bool utf8;
    std::string gravado;
  } cases[] = {
      {"a.xml", "<a>\xC3\xA7</a>", true, decl + "<a>\xC3\xA7</a>"},
      {"b.xml", "<?xml version=\"1.0\" encoding=\"utf-8\"?><b/>", true,
       "<?xml version=\"1.0\" encoding=\"utf-8\"?><b/>"},
      {"c.xml", "<?xml version='1.0' encoding='UTF-8'?><c/>", false, "<?xml version='1.0' encoding='UTF-8'?><c/>"},
      {"d.xml", "<d>\xE7<-><-></d>", false, decl + "<d>\xC3\xA7</d>"},
      // a declaration of another encoding is replaced, not doubled
      {"e.xml", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><e/>", false, decl + "<e/>"},
  };
  for (const auto& k : cases) {
    ASSERT_TRUE(c.dfe->Gravar(k.nome, k.conteudo, "", k.utf8)) << k.nome;
    EXPECT_EQ(ReadFile(c.dir + "/Docs/" + k.nome), k.gravado) << k.nome;
  }
  // aPath, then a folder in the name itself; both created when missing
  EXPECT_TRUE(c.dfe->Gravar("f.xml", "<f/>", c.dir + "/outra/sub", true));
  EXPECT_TRUE(fs::exists(c.dir + "/outra/sub/f.xml"));
  EXPECT_TRUE(c.dfe->Gravar(c.dir + "/abs/g.xml", "<g/>", c.dir + "/ignored", true));
  EXPECT_TRUE(fs::exists(c.dir + "/abs/g.xml"));
}

TEST(ComponentBase, GravarKeepsNamesFromDataInsideTheSaveFolder) {
  Componente c;
  ASSERT_TRUE(c.dfe->Gravar("../../fora.xml", "<x/>", "", true));
  ASSERT_TRUE(c.dfe->Gravar("ID1/../../y.xml", "<y/>", "", true));
  ASSERT_TRUE(c.dfe->Gravar("..", "<z/>", "", true));
  EXPECT_TRUE(fs::exists(c.dir + "/Docs/.._.._fora.xml"));
  EXPECT_TRUE(fs::exists(c.dir + "/Docs/ID1_.._.._y.xml"));
  EXPECT_TRUE(fs::exists(c.dir + "/Docs/__"));
  EXPECT_FALSE(fs::exists(c.dir + "/fora.xml"));
  EXPECT_FALSE(fs::exists(fs::path(c.dir).parent_path() / "fora.xml"));
}

TEST(ComponentBase, GravarFailuresRaiseOrReturnFalseWhenTheHookHandlesThem) {
  Componente c;
  WriteFile(c.dir + "/arquivo", "not a folder");
  c.Registrar(false);
  EXPECT_EQ(MessageOf<ETrivoDFeException>([&] { c.dfe->Gravar("", "<a/>", "", true); }),
            "Erro ao salvar.\r\nNome de arquivo não informado");
  std::string semPasta =
      MessageOf<ETrivoDFeException>([&] { c.dfe->Gravar("a.xml", "<a/>", c.dir + "/arquivo/sub", true); });
  EXPECT_EQ(semPasta.rfind("Erro ao salvar.\r\n", 0), 0u) << semPasta;
  ASSERT_EQ(c.log.size(), 2u);
  EXPECT_EQ(c.log[0], "ERRO: Erro ao salvar.\r\nNome de arquivo não informado");

  c.log.clear();
  c.Registrar(true);
  EXPECT_FALSE(c.dfe->Gravar("", "<a/>", "", true));
  EXPECT_EQ(c.log, std::vector<std::string>{"ERRO: Erro ao salvar.\r\nNome de arquivo não informado"});
}

namespace {

struct MailGravado : TTrivoMail {
  int enviados = 0;
  void Send() override { ++enviados; }
};

}  // namespace

TEST(ComponentBase, MailNeedsAnAttachedComponentAndForgetsItWhenItGoes) {
  Componente c;
  EXPECT_EQ(MessageOf<ETrivoDFeException>([&] { c.dfe->EnviarEmail("a@b", "s"); }),
            "Componente TrivoMail não associado");
  {
    MailGravado mail;
    c.dfe->SetMAIL(&mail);
    std::vector<std::string> corpo{"<p>Ol\xC3\xA1</p>", "<b>fim</b>"}, cc{"c@d"};
    std::string xml = "<nfe/>";
    c.dfe->EnviarEmail("a@b", "Assunto", &corpo, &cc, nullptr, &xml, "doc.xml");
    EXPECT_EQ(mail.enviados, 1);
    EXPECT_EQ(mail.Para, std::vector<std::string>{"a@b"});
    EXPECT_EQ(mail.AltBody, "Ol\xC3\xA1\r\nfim");
    EXPECT_EQ(mail.CC, cc);
    ASSERT_EQ(mail.Anexos.size(), 1u);
    EXPECT_EQ(mail.Anexos[0].Nome, "doc.xml");
  }
  EXPECT_EQ(c.dfe->MAIL(), nullptr);
  EXPECT_EQ(MessageOf<ETrivoDFeException>([&] { c.dfe->EnviarEmail("a@b", "s"); }),
            "Componente TrivoMail não associado");
}
