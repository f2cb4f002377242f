#include "esocial/event_base.h"

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <utility>

#include "dfe/exceptions.h"
#include "dfe/signature_utils.h"
#include "dfe/ssl.h"
#include "dfe/xml_reader.h"
#include "esocial/trivo_esocial.h"
#include "platform/files.h"
#include "platform/strings.h"
#include "platform/text_encoding.h"
#include "platform/text_file.h"
#include "platform/text_utils.h"

namespace esocial {

namespace {

TTrivoeSocial& ComponenteeSocial(dfe::TTrivoComponent* ATrivoeSocial) {
  auto* componente = dynamic_cast<TTrivoeSocial*>(ATrivoeSocial);
  if (componente == nullptr) throw std::runtime_error("Parâmetro ATrivoeSocial precisa ser do tipo TTrivoeSocial.");
  return *componente;
}

}  // namespace

namespace {

std::atomic<std::uint64_t> UltimaVersaoXML{0};

}  // namespace

TeSocialEvento::TeSocialEvento(dfe::TTrivoComponent* ATrivoeSocial)
    : FVersaoXML(++UltimaVersaoXML), FTrivoeSocial(ComponenteeSocial(ATrivoeSocial)) {}

void TeSocialEvento::GuardarXML(std::string Value) {
  FXML = std::move(Value);
  FVersaoXML = ++UltimaVersaoXML;
}

TeSocialEvento::~TeSocialEvento() = default;

TConfiguracoeseSocial& TeSocialEvento::Configuracoes() const { return FTrivoeSocial.Configuracoes(); }

dfe::TDFeSSL& TeSocialEvento::SSL() const { return FTrivoeSocial.SSL(); }

void TeSocialEvento::SetXML(const std::string& Value) {
  const TVersaoeSocial versao = Configuracoes().Geral->VersaoDF();
  GuardarXML(Value);
  if (dfe::XmlContemAssinatura(FXML)) {
    if (Id.empty()) LerIdEvento();
    FXMLAssinado = FXML;
    return;
  }
  bool ok = false;
  TTipoEvento tipo = XMLToTipoEvento(ok, FXML, versao);
  std::string assinado = Assinar(FXML, TipoEventoToEventoString(tipo, versao));
  GuardarXML(std::move(assinado));
  LerIdEvento();
  tipo = XMLToTipoEvento(ok, FXML, versao);
  Validar(TipoEventoToeSocialSchema(tipo, versao));
}

void TeSocialEvento::LerIdEvento() {
  dfe::TLeitor leitor;
  leitor.Grupo = FXML;
  Id = leitor.rAtributo("Id=").AsString();
}

std::string TeSocialEvento::Assinar(const std::string& XMLEvento, const std::string& NomeEvento) {
  FXMLOriginal = platform::EnsureUtf8(XMLEvento);
  dfe::TDFeSSL& ssl = SSL();
  if (ssl.SSLCryptLib() != dfe::cryOpenSSL && ssl.SSLCryptLib() != dfe::cryWinCrypt)
    throw dfe::ETrivoeSocialException(
        "Necessário DigestMethod Algorithm SHA256. use cryOpenSSL ou cryWinCrypt na propriedade SSLCryptLib.");
  if (ssl.SSLXmlSignLib() != dfe::xsXmlSec && ssl.SSLXmlSignLib() != dfe::xsLibXml2)
    throw dfe::ETrivoeSocialException(
        "Necessário DigestMethod Algorithm SHA256. use xsXmlSec ou xsLibXml2 na propriedade SSLXmlSignLib.");

  std::string assinado = ssl.Assinar(FXMLOriginal, "eSocial", NomeEvento, "", "", "", "ID", "");
  FXMLAssinado = assinado;
  FXMLOriginal = assinado;
  assinado = platform::StringReplace(assinado, "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>", "");
  return platform::StringReplace(assinado, "<?xml version=\"1.0\"?>", "");
}

void TeSocialEvento::Validar(TeSocialSchema Schema) {
  TConfiguracoeseSocial& conf = Configuracoes();
  const TVersaoeSocial versao = conf.Geral->VersaoDF();
  const std::string nomeSchema = eSocialSchemaToStr(Schema) + "-" + VersaoeSocialToStr(versao);
  if (FXMLAssinado.empty()) {
    bool ok = false;
    Assinar(FXML, TipoEventoToEventoString(XMLToTipoEvento(ok, FXML, versao), versao));
  }
  std::string msgErro;
  if (SSL().Validar(FXMLAssinado, conf.Arquivos->PathSchemas() + nomeSchema + ".xsd", msgErro)) return;
  FErroValidacao = "Falha na validação dos dados do evento: " + nomeSchema + "\r\n" + FAlertas;
  FErroValidacaoCompleto = FErroValidacao + "\r\n" + msgErro;
  throw dfe::ETrivoeSocialException(conf.Geral->ExibirErroSchema() ? FErroValidacaoCompleto : FErroValidacao);
}

void TeSocialEvento::SaveToFile(const std::string& CaminhoArquivo) const {
  std::filesystem::path arquivo(CaminhoArquivo);
  arquivo.replace_extension(".xml");
  platform::WriteFileAtomically(arquivo, platform::TextBytesToCrLfLines(FXML));
}

std::string TeSocialEvento::GerarChaveEsocial(platform::TDateTime emissao, const std::string& CNPJF, int sequencial) {
  if (platform::Utf8Length(Id) == 36) return Id;
  if (sequencial == 0) sequencial = std::rand() % 99999;
  const std::size_t tamanho = platform::Utf8Length(CNPJF);
  const TEmpregador tipo = Configuracoes().Geral->TipoEmpregador();
  const bool raiz = tipo == tePessoaJuridica || tipo == teOrgaoPublico;
  const std::string inscricao = platform::SomenteDigitos(raiz ? platform::Copy(CNPJF, 1, 8) : CNPJF);
  return "ID" + std::string(tamanho == 8 || tamanho == 14 ? "1" : "2") +
         platform::Copy(inscricao + "00000000000000", 1, 14) + platform::FormatDateTime("yyyymmddhhnnss", emissao) +
         platform::InteiroComZeros(sequencial, 5);
}

bool TeSocialEvento::GerarXML() {
  const TConfiguracoeseSocial& conf = Configuracoes();
  FVersaoDF = conf.Geral->VersaoDF();
  dfe::TGeradorOpcoes& opcoes = FGerador.Opcoes;
  opcoes.FormatoAlerta = conf.Geral->FormatoAlerta();
  opcoes.RetirarAcentos = conf.Geral->RetirarAcentos();
  opcoes.RetirarEspacos = conf.Geral->RetirarEspacos();
  opcoes.IdentarXML = conf.Geral->IdentarXML();
  return false;
}

bool TeSocialEvento::LerArqIni(const std::string& AIniString) {
  (void)AIniString;
  throw dfe::ETrivoeSocialException("Leitura de INI não disponível para este evento.");
}

void TeSocialEvento::RenovarGerador() {
  dfe::TGeradorOpcoes opcoes = FGerador.Opcoes;
  opcoes.NivelIdentacao = 0;
  std::string prefixo = FGerador.Prefixo;
  FGerador = dfe::TGerador();
  FGerador.Opcoes = opcoes;
  FGerador.Prefixo = prefixo;
}

void TeSocialEvento::AbrirDocumentoeSocial(const std::string& NomeEvento) {
  const std::string nameSpace = std::string(kNameSpaceRaizeSocial) + "/schema/evt/" + NomeEvento + "/" +
                                VersaoeSocialToStr(Configuracoes().Geral->VersaoDF());
  SSL().NameSpaceURI = nameSpace;
  FGerador.wGrupo("?xml version=\"1.0\" encoding=\"UTF-8\"?", "", false);
  FGerador.wGrupo("eSocial xmlns=\"" + nameSpace + "\"", "", true);
}

void TeSocialEvento::FecharDocumentoeSocial() { FGerador.wGrupo("/eSocial", "", true); }

}  // namespace esocial
