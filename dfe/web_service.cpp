#include "dfe/web_service.h"

#include <cxxabi.h>

#include <cstdlib>
#include <iostream>
#include <memory>
#include <mutex>
#include <typeinfo>

#include "dfe/exceptions.h"
#include "dfe/safe_file_name.h"
#include "dfe/signature_utils.h"
#include "dfe/ssl.h"
#include "dfe/xml_declaration.h"
#include "platform/base64.h"
#include "platform/date_time.h"
#include "platform/strings.h"
#include "platform/text_encoding.h"
#include "platform/text_utils.h"

namespace dfe {

namespace {

std::mutex& TimeZoneLock() {
  static std::mutex m;
  return m;
}

TTimeZoneConf& TimeZoneGlobal() {
  static TTimeZoneConf tz;
  return tz;
}

}  // namespace

TTimeZoneConf TimeZoneConfGlobal() {
  std::lock_guard<std::mutex> g(TimeZoneLock());
  return TimeZoneGlobal();
}

void DefinirTimeZoneConfGlobal(const TTimeZoneConf& AValue) {
  std::lock_guard<std::mutex> g(TimeZoneLock());
  TimeZoneGlobal().Assign(AValue);
}

TDFeWebService::TDFeWebService(TTrivoDFe* AOwner) : FPDFeOwner(AOwner) {
  if (AOwner) FPConfiguracoes = &AOwner->Configuracoes();
  FPSoapVersion = "soap12";
  FPHeaderElement = "nfeCabecMsg";
  FPBodyElement = "nfeDadosMsg";
  FPSoapEnvelopeAtributtes =
      "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
      "xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\" "
      "xmlns:soap12=\"http://www.w3.org/2003/05/soap-envelope\"";
  FPValidateReturnCode = true;
  TDFeWebService::Clear();
}

std::string TDFeWebService::ClassName() const {
  const char* mangled = typeid(*this).name();
  int status = 0;
  std::unique_ptr<char, void (*)(void*)> nome(abi::__cxa_demangle(mangled, nullptr, nullptr, &status), std::free);
  std::string s = status == 0 && nome ? nome.get() : mangled;
  std::size_t p = s.rfind("::");
  return p == std::string::npos ? s : s.substr(p + 2);
}

void TDFeWebService::Falhar(const std::string& passo) {
  DispararExcecao(passo + " não implementado para: " + ClassName());
}

bool TDFeWebService::TemIntegrador() const { return FPDFeOwner && FPDFeOwner->Integrador(); }

void TDFeWebService::CopiarOpcoesGerador(TGeradorOpcoes& AOpcoes) {
  auto& geral = *FPConfiguracoes->Geral;
  AOpcoes.FormatoAlerta = geral.FormatoAlerta();
  AOpcoes.RetirarAcentos = geral.RetirarAcentos();
  AOpcoes.RetirarEspacos = geral.RetirarEspacos();
  AOpcoes.IdentarXML = geral.IdentarXML();
  DefinirTimeZoneConfGlobal(FPConfiguracoes->WebServices->TimeZoneConf);
  AOpcoes.QuebraLinha = FPConfiguracoes->WebServices->QuebradeLinha();
}

void TDFeWebService::Clear() {
  FPDadosMsg.clear();
  FPRetornoWS.clear();
  FPRetWS.clear();
  FPMsg.clear();
  if (TemIntegrador()) FPDFeOwner->Integrador()->Clear();
}

void TDFeWebService::RegistrarMensagem(const std::string& Msg, bool display) {
  if (Msg.empty()) return;
  bool tratado = false;
  FPDFeOwner->FazerLog(Msg, tratado);
  if (!tratado && display && FPConfiguracoes->WebServices->Visualizar()) ExibirMensagem(Msg);
}

void TDFeWebService::ExibirMensagem(const std::string& Msg) { std::cerr << Msg << '\n'; }

void TDFeWebService::DispararExcecao(const std::string& Msg, const std::exception* E) {
  FPDFeOwner->GerarException(Msg, E);
}

void TDFeWebService::PrepararServico() {
  Clear();
  DefinirURL();
  if (FPURL.empty()) DispararExcecao("URL não definida para: " + ClassName());
  DefinirServicoEAction();
  if (FPServico.empty()) DispararExcecao("Servico não definido para: " + ClassName());
  if (FPSoapAction.empty()) DispararExcecao("SoapAction não definido para: " + ClassName());
  if (FPSoapAction == "*") FPSoapAction.clear();
}

void TDFeWebService::DefinirServicoEAction() {
  FPServico.clear();
  FPSoapAction.clear();
  Falhar("DefinirServicoEAction");
}

void TDFeWebService::DefinirURL() { Falhar("DefinirURL"); }

void TDFeWebService::DefinirDadosMsg() {
  FPDadosMsg.clear();
  Falhar("DefinirDadosMsg");
}

bool TDFeWebService::TratarResposta() {
  Falhar("TratarResposta");
  return false;
}

std::string TDFeWebService::GerarVersaoDadosSoap() {
  Falhar("GerarVersaoDadosSoap");
  return {};
}

void TDFeWebService::AjustarParametrosIntegrador() {
  if (!TemIntegrador()) return;
  TTrivoIntegrador* integrador = FPDFeOwner->Integrador();
  integrador->Clear();
  integrador->SetParametro("versaoDados", FPVersaoServico);
  integrador->SetParametro("cUF", std::to_string(FPConfiguracoes->WebServices->UFCodigo()));
}

std::string TDFeWebService::ElementoUFSoap() {
  return "<cUF>" + std::to_string(FPConfiguracoes->WebServices->UFCodigo()) + "</cUF>";
}

std::string TDFeWebService::MontarCabecalhoSoap() { return ElementoUFSoap() + GerarVersaoDadosSoap(); }

void TDFeWebService::MontarEnvelopeSoap() {
  const std::string& v = FPSoapVersion;
  std::string texto = "<" + v + ":Envelope " + FPSoapEnvelopeAtributtes + ">";
  if (!FPHeaderElement.empty()) {
    texto += "<" + v + ":Header>";
    texto += "<" + FPHeaderElement + " xmlns=\"" + FPServico + "\">";
    texto += MontarCabecalhoSoap();
    texto += "</" + FPHeaderElement + ">";
    texto += "</" + v + ":Header>";
  }
  texto += "<" + v + ":Body>";
  texto += "<" + FPBodyElement + " xmlns=\"" + FPServico + "\">";
  texto += FPDadosMsg;
  texto += "</" + FPBodyElement + ">";
  texto += "</" + v + ":Body>";
  texto += "</" + v + ":Envelope>";
  FPEnvelopeSoap = texto;
}

std::string TDFeWebService::PrefixoNomeArquivo() { return platform::FormatDateTime("yyyymmddhhnnss", platform::Now()); }

// Both parts may carry data from outside (a protocol number, an identifier).
std::string NomeArquivoServico(const std::string& prefixo, const std::string& arq, const char* sufixo) {
  return SafeFileNamePart(prefixo) + "-" + SafeFileNamePart(arq) + sufixo;
}

void TDFeWebService::GravarArquivosEnvio() {
  if (FPArqEnv.empty()) return;
  std::string prefixo = PrefixoNomeArquivo();
  if (FPConfiguracoes->Geral->Salvar())
    FPDFeOwner->Gravar(NomeArquivoServico(prefixo, FPArqEnv, ".xml"), FPDadosMsg, "", XmlContemAssinatura(FPDadosMsg));
  if (FPConfiguracoes->WebServices->Salvar())
    FPDFeOwner->Gravar(NomeArquivoServico(prefixo, FPArqEnv, "-soap.xml"), FPEnvelopeSoap, "",
                       XmlContemAssinatura(FPEnvelopeSoap));
}

void TDFeWebService::GravarArquivosResposta() {
  if (FPArqResp.empty()) return;
  std::string prefixo = PrefixoNomeArquivo();
  if (FPConfiguracoes->Geral->Salvar())
    FPDFeOwner->Gravar(NomeArquivoServico(prefixo, FPArqResp, ".xml"), FPRetWS, "", true);
  if (FPConfiguracoes->WebServices->Salvar())
    FPDFeOwner->Gravar(NomeArquivoServico(prefixo, FPArqResp, "-soap.xml"), FPRetornoWS, "", true);
}

void TDFeWebService::TransmitirEnvelope() {
  FPRetWS.clear();
  FPRetornoWS.clear();

  auto& cert = *FPConfiguracoes->Certificados;
  TDFeSSL& ssl = FPDFeOwner->SSL();
  if ((!cert.NumeroSerie().empty() || !cert.DadosPFX().empty() || !cert.ArquivoPFX().empty()) &&
      cert.VerificarValidade()) {
    platform::TDateTime vencimento = ssl.CertDataVenc();
    if (vencimento < platform::Now())
      throw ETrivoDFeException("Data de Validade do Certificado já expirou: " +
                               platform::FormatDateTime("dd/mm/yyyy", vencimento));
  }

  if ((FPMimeType.empty() || platform::ContainsText(FPMimeType, "xml")) && !FPEnvelopeSoap.empty() &&
      !XmlContemAssinatura(FPEnvelopeSoap) && !platform::DeclaraUTF8(FPEnvelopeSoap))
    FPEnvelopeSoap = kDeclaracaoUTF8 + platform::EnsureUtf8(FPEnvelopeSoap);

  bool retentar = true;
  while (retentar) {
    retentar = false;
    bool tratado = false;
    FPRetWS.clear();
    FPRetornoWS.clear();
    std::int32_t httpStatus = 0, erroInterno = 0;
    try {
      if (FPDFeOwner->OnTransmit) {
        FPDFeOwner->OnTransmit(FPEnvelopeSoap, FPURL, FPSoapAction, FPMimeType, FPRetornoWS, httpStatus, erroInterno);
        if (erroInterno != 0) throw ETrivoDFeException("Erro ao Transmitir");
      } else if (TemIntegrador()) {
        TTrivoIntegrador* integrador = FPDFeOwner->Integrador();
        integrador->SetParametro("dados", platform::Base64Encode(FPEnvelopeSoap));
        integrador->EnviarEAguardar();
        const auto& resposta = integrador->Resposta;
        if (resposta.size() < 6)
          throw ETrivoDFeException(resposta.size() >= 2 ? resposta[1] : "Resposta do Integrador inválida");
        auto decodificado = platform::Base64Decode(resposta[5]);
        FPRetornoWS = decodificado ? *decodificado : resposta[5];
      } else {
        try {
          FPRetornoWS =
              ssl.Enviar(FPEnvelopeSoap, FPURL, FPSoapAction, FPMimeType, FPAuthorizationHeader, FPValidateReturnCode);
        } catch (...) {
          httpStatus = ssl.HTTPResultCode();
          erroInterno = ssl.InternalErrorCode();
          throw;
        }
        httpStatus = ssl.HTTPResultCode();
        erroInterno = ssl.InternalErrorCode();
      }
    } catch (...) {
      if (FPDFeOwner->OnTransmitError)
        FPDFeOwner->OnTransmitError(httpStatus, erroInterno, FPURL, FPEnvelopeSoap, FPSoapAction, retentar, tratado);
      if (!retentar && !tratado) throw;
      if (!retentar) {
        FPRetornoWS.clear();
        FPRetWS.clear();
      }
    }
  }
}

void TDFeWebService::ExigirResposta() {
  if (FPRetWS.empty()) throw ETrivoDFeException(TextoSemResposta());
}

std::string TDFeWebService::TextoSemResposta() const {
  std::string texto = "Erro ao obter resposta do webservice.";
  if (!FPRetornoWS.empty()) texto += "\r\n" + FPRetornoWS;
  return texto;
}

std::string TDFeWebService::UrlWsdl() { return FPDFeOwner->GetNameSpaceURI() + "/wsdl/"; }

void TDFeWebService::AssinarDadosMsg(const std::string& ConteudoXML, const std::string& docElement,
                                     const std::string& infElement, const std::string& MsgErro,
                                     const std::string& SignatureNode, const std::string& SelectionNamespaces,
                                     const std::string& IdSignature) {
  try {
    FPDadosMsg = FPDFeOwner->SSL().Assinar(ConteudoXML, docElement, infElement, SignatureNode, SelectionNamespaces,
                                           IdSignature, "", "");
  } catch (const std::exception& e) {
    DispararExcecao((MsgErro.empty() ? MsgErro : MsgErro + "\r\n") + e.what());
  }
}

bool TDFeWebService::Executar() {
  RegistrarMensagem("Inicio " + ClassName(), false);
  PrepararServico();

  bool resultado = false;
  try {
    DefinirDadosMsg();
    if (TemIntegrador()) AjustarParametrosIntegrador();
    MontarEnvelopeSoap();
    GravarArquivosEnvio();

    try {
      TransmitirEnvelope();
      auto depois = [this] {
        RegistrarMensagem(TextoResumoResposta(), true);
        GravarArquivosResposta();
      };
      try {
        resultado = TratarResposta();
      } catch (...) {
        depois();
        throw;
      }
      depois();
    } catch (const std::exception& e) {
      resultado = false;
      DispararExcecao(TextoErroTransmissao(e), &e);
    }
  } catch (...) {
    EncerrarServico();
    throw;
  }
  EncerrarServico();
  return resultado;
}

}  // namespace dfe
