#pragma once
// The base of every call of a document web service: Executar runs prepare, body, envelope,
// request files, transmission (with the retry hook), reply, summary and reply files, through
// virtual steps that each service fills in.
#include <exception>
#include <string>

#include "dfe/component_base.h"
#include "dfe/configuration.h"
#include "dfe/xml_writer.h"

namespace dfe {

// The name of a request or reply file: prefixo, "-", arq and sufixo (".xml" or "-soap.xml"),
// each data part reduced to a safe file-name part.
std::string NomeArquivoServico(const std::string& prefixo, const std::string& arq, const char* sufixo);

// The process-wide time-zone setting that writers of date-times with offset read.
TTimeZoneConf TimeZoneConfGlobal();
void DefinirTimeZoneConfGlobal(const TTimeZoneConf& AValue);

class TDFeWebService {
 public:
  // Derived services end their constructor with Clear(), as the base does with its own.
  explicit TDFeWebService(TTrivoDFe* AOwner);
  virtual ~TDFeWebService() = default;
  TDFeWebService(const TDFeWebService&) = delete;
  TDFeWebService& operator=(const TDFeWebService&) = delete;

  virtual void Clear();
  virtual bool Executar();

  bool TemIntegrador() const;
  // The owner's writer settings as XML writer options; also sets the global time zone.
  void CopiarOpcoesGerador(TGeradorOpcoes& AOpcoes);

  const std::string& SoapVersion() const { return FPSoapVersion; }
  const std::string& SoapEnvelopeAtributtes() const { return FPSoapEnvelopeAtributtes; }
  const std::string& HeaderElement() const { return FPHeaderElement; }
  const std::string& BodyElement() const { return FPBodyElement; }
  const std::string& CabMsg() const { return FPCabMsg; }
  const std::string& DadosMsg() const { return FPDadosMsg; }
  const std::string& EnvelopeSoap() const { return FPEnvelopeSoap; }
  const std::string& RetornoWS() const { return FPRetornoWS; }
  const std::string& RetWS() const { return FPRetWS; }
  const std::string& Msg() const { return FPMsg; }
  const std::string& URL() const { return FPURL; }
  const std::string& VersaoServico() const { return FPVersaoServico; }
  const std::string& ArqEnv() const { return FPArqEnv; }
  const std::string& ArqResp() const { return FPArqResp; }
  const std::string& Servico() const { return FPServico; }
  const std::string& SoapAction() const { return FPSoapAction; }
  const std::string& MimeType() const { return FPMimeType; }
  const std::string& AuthorizationHeader() const { return FPAuthorizationHeader; }
  bool ValidateReturnCode() const { return FPValidateReturnCode; }

 protected:
  virtual void RegistrarMensagem(const std::string& Msg, bool display);
  virtual void DispararExcecao(const std::string& Msg, const std::exception* E = nullptr);
  virtual void PrepararServico();
  virtual void DefinirServicoEAction();
  virtual void DefinirURL();
  virtual void DefinirDadosMsg();
  virtual void AjustarParametrosIntegrador();
  virtual void MontarEnvelopeSoap();
  virtual void GravarArquivosEnvio();
  virtual void TransmitirEnvelope();
  virtual bool TratarResposta();
  virtual void GravarArquivosResposta();
  virtual void EncerrarServico() {}
  virtual void ExigirResposta();
  // ExigirResposta's text: "Erro ao obter resposta do webservice." and the whole reply.
  std::string TextoSemResposta() const;
  virtual std::string UrlWsdl();
  virtual void AssinarDadosMsg(const std::string& ConteudoXML, const std::string& docElement,
                               const std::string& infElement, const std::string& MsgErro = "",
                               const std::string& SignatureNode = "", const std::string& SelectionNamespaces = "",
                               const std::string& IdSignature = "");
  virtual std::string TextoResumoResposta() { return {}; }
  virtual std::string TextoErroTransmissao(const std::exception& E) {
    (void)E;
    return {};
  }
  virtual std::string MontarCabecalhoSoap();
  virtual std::string GerarVersaoDadosSoap();
  virtual std::string ElementoUFSoap();
  virtual std::string PrefixoNomeArquivo();
  // The platform's modal message box; here the message goes to the diagnostics stream.
  virtual void ExibirMensagem(const std::string& Msg);

  // The object's own class name, as the error texts show it.
  std::string ClassName() const;

  std::string FPSoapVersion;
  std::string FPSoapEnvelopeAtributtes;
  std::string FPHeaderElement;
  std::string FPBodyElement;
  std::string FPCabMsg;
  std::string FPDadosMsg;
  std::string FPEnvelopeSoap;
  std::string FPRetornoWS;
  std::string FPRetWS;
  std::string FPMsg;
  std::string FPURL;
  std::string FPVersaoServico;
  TConfiguracoes* FPConfiguracoes = nullptr;
  TTrivoDFe* FPDFeOwner = nullptr;
  std::string FPArqEnv;
  std::string FPArqResp;
  std::string FPServico;
  std::string FPSoapAction;
  std::string FPMimeType;
  std::string FPAuthorizationHeader;
  bool FPValidateReturnCode = true;

 private:
  void Falhar(const std::string& passo);
};

}  // namespace dfe
