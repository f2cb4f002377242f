// The security facade: settings, back-end switching, certificate sources, hashing, signing,
// validation and sending.
#include "dfe/ssl.h"

#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "dfe/ssl_backends.h"
#include "dfe/ssl_send_thread.h"
#include "dfe/xml_declaration.h"
#include "platform/base64.h"
#include "platform/date_time.h"
#include "platform/files.h"
#include "platform/hex.h"
#include "platform/strings.h"
#include "platform/tax_numbers.h"
#include "platform/text_utils.h"

namespace dfe {

namespace {

std::size_t TamanhoStream(std::istream& s) {
  auto atual = s.tellg();
  s.seekg(0, std::ios::end);
  auto fim = s.tellg();
  s.seekg(atual);
  if (fim < 0) return 0;
  return static_cast<std::size_t>(fim);
}

std::string SalvarLista(const std::vector<std::string>& lista) {
  std::string out;
  for (const auto& linha : lista) {
    out += linha;
    out += "\r\n";
  }
  return out;
}

}  // namespace

TDFeSSL::TDFeSSL() : FSendLock(std::make_shared<std::mutex>()) { Clear(); }

TDFeSSL::~TDFeSSL() {
  ReapSendThreads(true);
  if (FSSLCryptClass) FSSLCryptClass->DescarregarCertificado();
  FSSLCryptClass.reset();
  FSSLHttpClass.reset();
  FSSLXmlSignClass.reset();
}

void TDFeSSL::ReapSendThreads(bool abortAll) {
  for (auto it = FAbandonedThreads.begin(); it != FAbandonedThreads.end();) {
    if (abortAll || (*it)->Finished()) {
      if (abortAll) (*it)->Abort();
      it = FAbandonedThreads.erase(it);  // joins
    } else {
      ++it;
    }
  }
}

void TDFeSSL::Clear() {
  FSSLType = LT_TLSv1_2;
  FSSLDgst = dgstSHA1;
  FStoreLocation = slCurrentUser;
  FStoreName = "My";
  FURLPFX.clear();
  FArquivoPFX.clear();
  FDadosPFX.clear();
  FNumeroSerie.clear();
  FSenha.Clear();
  ProxyHost.clear();
  ProxyPort.clear();
  ProxyUser.clear();
  ProxyPass.clear();
  TimeOut = 5000;
  TimeOutPorThread = false;
  NameSpaceURI.clear();
  UseCertificateHTTP = true;
  AntesDeAssinar = nullptr;

  if (FSSLCryptClass) FSSLCryptClass->DescarregarCertificado();
  FSSLCryptClass = ClasseSSLCrypt(cryNone)(*this);
  FSSLCryptLib = cryNone;
  FSSLHttpClassClass = ClasseSSLHttp(httpNone);
  FSSLHttpClass = FSSLHttpClassClass(*this);
  FSSLHttpLib = httpNone;
  FSSLXmlSignClass = ClasseSSLXmlSign(xsNone)(*this);
  FSSLXmlSignLib = xsNone;
}

void TDFeSSL::SetSSLCryptLib(TSSLCryptLib value) {
  if (value == FSSLCryptLib) return;
  TDFeSSLCryptClassClass classe = ClasseSSLCrypt(value);
  FSSLCryptClass.reset();
  FSSLCryptClass = classe(*this);
  FSSLCryptLib = value;
}

void TDFeSSL::SetSSLHttpLib(TSSLHttpLib value) {
  if (value == FSSLHttpLib) return;
  TDFeSSLHttpClassClass classe = ClasseSSLHttp(value);
  FSSLHttpClass.reset();
  FSSLHttpLib = value;
  FSSLHttpClassClass = classe;
  FSSLHttpClass = classe(*this);
}

void TDFeSSL::DefinirSSLHttpClass(TDFeSSLHttpClassClass classe) {
  if (classe == nullptr) throw ETrivoDFeException("Classe HTTP não informada");
  FSSLHttpClass.reset();
  FSSLHttpClassClass = classe;
  FSSLHttpClass = classe(*this);
}

void TDFeSSL::SetSSLXmlSignLib(TSSLXmlSignLib value) {
  if (value == FSSLXmlSignLib) return;
  TDFeSSLXmlSignClassClass classe = ClasseSSLXmlSign(value);
  FSSLXmlSignClass.reset();
  FSSLXmlSignClass = classe(*this);
  FSSLXmlSignLib = value;
}

void TDFeSSL::DefinirFonte(std::string& fonte, const std::string& valor,
                           std::initializer_list<std::string*> excluidas) {
  if (valor == fonte) return;
  fonte = valor;
  if (!fonte.empty())
    for (std::string* outra : excluidas) outra->clear();
  DescarregarCertificado();
}

void TDFeSSL::SetURLPFX(const std::string& value) { DefinirFonte(FURLPFX, value, {&FNumeroSerie, &FDadosPFX}); }

void TDFeSSL::SetArquivoPFX(const std::string& value) { DefinirFonte(FArquivoPFX, value, {&FNumeroSerie, &FDadosPFX}); }

void TDFeSSL::SetDadosPFX(const std::string& value) {
  DefinirFonte(FDadosPFX, value, {&FArquivoPFX, &FURLPFX, &FNumeroSerie});
}

void TDFeSSL::SetNumeroSerie(const std::string& value) {
  if (value == FNumeroSerie) return;
  std::string semBrancos;
  for (char c : value)
    if (c != ' ') semBrancos += c;
  FNumeroSerie = platform::Trim(platform::UpperCase(semBrancos));
  if (!FNumeroSerie.empty()) {
    FArquivoPFX.clear();
    FDadosPFX.clear();
    FURLPFX.clear();
  }
  DescarregarCertificado();
}

std::string TDFeSSL::Senha() const { return FSenha.Valor(); }

void TDFeSSL::SetSenha(const std::string& value) {
  if (FSenha.Definir(value)) DescarregarCertificado();
}

TDadosCertificado& TDFeSSL::DadosCertificado() { return FSSLCryptClass->DadosCertificado(); }
TListaCertificados& TDFeSSL::ListaCertificados() { return FSSLCryptClass->ListaCertificados(); }
int TDFeSSL::HTTPResultCode() const { return FSSLHttpClass->HTTPResultCode; }
int TDFeSSL::InternalErrorCode() const { return FSSLHttpClass->InternalErrorCode; }

bool TDFeSSL::CertificadoLido() const { return FSSLCryptClass && FSSLCryptClass->CertificadoLido(); }

const TCertContext* TDFeSSL::CertContextWinApi() {
  FSSLCryptClass->CarregarCertificadoSeNecessario();
  return FSSLCryptClass->CertContextWinApi();
}

std::string TDFeSSL::CertNumeroSerie() { return FSSLCryptClass->CertNumeroSerie(); }
platform::TDateTime TDFeSSL::CertDataVenc() { return FSSLCryptClass->CertDataVenc(); }
std::string TDFeSSL::CertCertificadora() { return FSSLCryptClass->CertCertificadora(); }
std::string TDFeSSL::CertIssuerName() { return FSSLCryptClass->CertIssuerName(); }
std::string TDFeSSL::CertSubjectName() { return FSSLCryptClass->CertSubjectName(); }
std::string TDFeSSL::CertRazaoSocial() { return FSSLCryptClass->CertRazaoSocial(); }
std::string TDFeSSL::CertCNPJ() { return FSSLCryptClass->CertCNPJ(); }
TSSLTipoCertificado TDFeSSL::CertTipo() { return FSSLCryptClass->CertTipo(); }

void TDFeSSL::CarregarCertificado() { FSSLCryptClass->CarregarCertificado(); }

void TDFeSSL::CarregarCertificadoSeNecessario() { FSSLCryptClass->CarregarCertificadoSeNecessario(); }

void TDFeSSL::DescarregarCertificado() {
  if (FSSLCryptClass) FSSLCryptClass->DescarregarCertificado();
}

void TDFeSSL::LerCertificadosStore() { FSSLCryptClass->LerCertificadosStore(); }

std::string TDFeSSL::SelecionarCertificado() {
  std::string serie = FSSLCryptClass->SelecionarCertificado();
  if (!serie.empty()) CarregarCertificado();
  return serie;
}

bool TDFeSSL::CarregarCertificadoPublico(const std::string& dadosX509Base64) {
  DescarregarCertificado();
  if (dadosX509Base64.empty()) return false;
  return FSSLCryptClass->CarregarCertificadoPublico(dadosX509Base64);
}

void TDFeSSL::ValidarCNPJCertificado(const std::string& cnpjDocumento) {
  std::string doc = platform::SomenteDigitos(cnpjDocumento);
  if (doc.size() != 14) return;
  std::string cert = platform::SomenteDigitos(CertCNPJ());
  if (cert.size() != 14) return;
  if (std::string erro = platform::MensagemValidacaoCNPJ(doc); !erro.empty())
    throw ETrivoDFeException("Erro CNPJ Documento: " + erro);
  if (doc.substr(0, 8) != cert.substr(0, 8))
    throw ETrivoDFeException("O CNPJ do Documento é diferente do CNPJ do Certificado Digital");
}

std::string TDFeSSL::CalcHash(std::istream* aStream, TSSLDgst digest, TSSLHashOutput modoSaida, bool assina) {
  if (aStream == nullptr) throw ETrivoDFeException("Stream inválido");
  if (TamanhoStream(*aStream) == 0) throw ETrivoDFeException("Stream vazio");
  std::string binario = FSSLCryptClass->CalcHash(*aStream, digest, assina);
  switch (modoSaida) {
    case outHexa:
      return platform::BytesToHex(binario);
    case outBase64:
      return platform::Trim(platform::Base64Encode(binario));
    case outBinary:
      break;
  }
  return binario;
}

std::string TDFeSSL::CalcHash(std::string_view binaryString, TSSLDgst digest, TSSLHashOutput modoSaida, bool assina) {
  std::istringstream s{std::string(binaryString)};
  return CalcHash(&s, digest, modoSaida, assina);
}

std::string TDFeSSL::CalcHash(const std::vector<std::string>& lista, TSSLDgst digest, TSSLHashOutput modoSaida,
                              bool assina) {
  return CalcHash(std::string_view(SalvarLista(lista)), digest, modoSaida, assina);
}

std::string TDFeSSL::CalcHashArquivo(const std::string& nomeArquivo, TSSLDgst digest, TSSLHashOutput modoSaida,
                                     bool assina) {
  std::ifstream f(nomeArquivo, std::ios::binary);
  if (!f) throw ETrivoDFeException("Arquivo: " + nomeArquivo + " não encontrado");
  return CalcHash(&f, digest, modoSaida, assina);
}

bool TDFeSSL::ValidarHash(std::istream* aStream, TSSLDgst digest, const std::string& hash, bool assinado) {
  if (aStream == nullptr) throw ETrivoDFeException("Stream inválido");
  if (TamanhoStream(*aStream) == 0) throw ETrivoDFeException("Stream vazio");
  if (hash.empty()) throw ETrivoDFeException("Hash vazio");
  return FSSLCryptClass->ValidarHash(*aStream, digest, hash, assinado);
}

bool TDFeSSL::ValidarHash(std::string_view binaryString, TSSLDgst digest, const std::string& hash, bool assinado) {
  std::istringstream s{std::string(binaryString)};
  return ValidarHash(&s, digest, hash, assinado);
}

bool TDFeSSL::ValidarHash(const std::vector<std::string>& lista, TSSLDgst digest, const std::string& hash,
                          bool assinado) {
  return ValidarHash(std::string_view(SalvarLista(lista)), digest, hash, assinado);
}

std::string TDFeSSL::CalcHMAC(std::string_view binaryString, std::string_view aKey, TSSLDgst digest) {
  // RFC 2104 block sizes: 128 bytes for SHA-512, 64 for the other digests offered.
  const std::size_t bloco = digest == dgstSHA512 ? 128 : 64;
  std::string chave(aKey);
  if (chave.size() > bloco) chave = CalcHash(std::string_view(chave), digest, outBinary);
  std::string ipad(bloco, '\x36'), opad(bloco, '\x5C');
  for (std::size_t i = 0; i < chave.size(); ++i) {
    ipad[i] = static_cast<char>(ipad[i] ^ chave[i]);
    opad[i] = static_cast<char>(opad[i] ^ chave[i]);
  }
  std::string interno = CalcHash(std::string_view(ipad + std::string(binaryString)), digest, outBinary);
  return CalcHash(std::string_view(opad + interno), digest, outBinary);
}

std::string TDFeSSL::Assinar(const std::string& conteudoXML, const std::string& docElement,
                             const std::string& infElement, const std::string& signatureNode,
                             const std::string& selectionNamespaces, const std::string& idSignature,
                             const std::string& idAttr, const std::string& idSignatureValue) {
  std::string declaracao;
  if (platform::DeclaraUTF8(conteudoXML)) declaracao = ObterDeclaracaoXML(conteudoXML);

  if (AntesDeAssinar) {
    std::string copia = conteudoXML;
    AntesDeAssinar(copia, docElement, infElement, signatureNode, selectionNamespaces, idSignature);
    if (copia != conteudoXML) return copia;
  }

  std::string assinado = FSSLXmlSignClass->Assinar(conteudoXML, docElement, infElement, signatureNode,
                                                   selectionNamespaces, idSignature, idAttr, idSignatureValue);
  if (!declaracao.empty()) {
    std::string atual = DeclaracaoInicial(assinado);
    if (atual.empty())
      assinado = declaracao + assinado;
    else if (atual != declaracao)
      assinado = declaracao + assinado.substr(atual.size());
  }
  return assinado;
}

bool TDFeSSL::Validar(const std::string& conteudoXML, const std::string& arqSchema, std::string& msgErro) {
  if (arqSchema.empty()) throw ETrivoDFeException("Arquivo de Schema não especificado");
  std::filesystem::path schema = platform::FindFileIgnoringCase(arqSchema);
  std::error_code ec;
  if (!std::filesystem::is_regular_file(schema, ec))
    throw ETrivoDFeException("Arquivo \r\n" + arqSchema + "\r\nNão encontrado");
  msgErro.clear();
  return FSSLXmlSignClass->Validar(conteudoXML, schema.string(), msgErro);
}

bool TDFeSSL::VerificarAssinatura(const std::string& conteudoXML, std::string& msgErro, const std::string& infElement,
                                  const std::string& signatureNode, const std::string& selectionNamespaces,
                                  const std::string& idSignature, const std::string& idAttr) {
  msgErro.clear();
  return FSSLXmlSignClass->VerificarAssinatura(conteudoXML, msgErro, infElement, signatureNode, selectionNamespaces,
                                               idSignature, idAttr);
}

std::string TDFeSSL::Enviar(const std::string& conteudoXML, const std::string& aURL, const std::string& aSoapAction,
                            const std::string& aMimeType, const std::string& aAuthorizationHeader,
                            bool aValidateReturnCode) {
  if (UseCertificateHTTP) CarregarCertificadoSeNecessario();
  const std::string mime = aMimeType.empty() ? "application/soap+xml; charset=utf-8" : aMimeType;

  if (!TimeOutPorThread) {
    std::lock_guard lock(*FSendLock);
    return FSSLHttpClass->Enviar(conteudoXML, aURL, aValidateReturnCode, aAuthorizationHeader, mime, aSoapAction);
  }

  ReapSendThreads(false);
  // The deadline counts whole seconds: 2500 ms waits 2 s, 999 ms no whole second.
  const auto prazo = std::chrono::steady_clock::now() + std::chrono::seconds(TimeOut / 1000);
  auto envio =
      std::make_unique<TDFeSendThread>(this, FSSLHttpClassClass, FSendLock, conteudoXML, aURL, aSoapAction, mime);
  bool concluido = envio->WaitDone(prazo);
  std::string resposta = envio->Response();
  std::string erro = envio->ExceptMessage();
  if (concluido) {
    envio.reset();
  } else {
    envio->Abort();
    FAbandonedThreads.push_back(std::move(envio));
  }
  if (!erro.empty()) throw ETrivoDFeException("Erro na thread de envio: " + erro);
  if (resposta.empty()) throw ETrivoDFeException("Timeout - Não foi possível obter a resposta do servidor");
  return resposta;
}

void TDFeSSL::HTTPMethod(const std::string& aMethod, const std::string& aURL) {
  FSSLHttpClass->HTTPMethod(aMethod, aURL);
}

std::string TDFeSSL::HTTPGet(const std::string& aURL) {
  FSSLHttpClass->Clear();
  FSSLHttpClass->HTTPMethod("GET", aURL);
  return FSSLHttpClass->DataResp;
}

std::string TDFeSSL::HTTPPost(const std::string& aDataToSend, const std::string& aURL) {
  FSSLHttpClass->Clear();
  FSSLHttpClass->DataReq = aDataToSend;
  FSSLHttpClass->HTTPMethod("POST", aURL);
  return FSSLHttpClass->DataResp;
}

}  // namespace dfe
