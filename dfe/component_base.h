#pragma once
// The base of every document component: it owns the configuration and the security facade,
// answers services-INI lookups, finds schema files, saves XML texts and turns errors into the
// framework's exception.
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "dfe/field_conversions.h"
#include "dfe/ssl.h"
#include "platform/ini.h"

namespace dfe {

class TConfiguracoes;
class TTrivoDFe;

// The pack's component: an owner, a name, and notifications when a component it refers to
// goes away.
class TTrivoComponent {
 public:
  explicit TTrivoComponent(TTrivoComponent* AOwner = nullptr) : FOwner(AOwner) {}
  virtual ~TTrivoComponent();
  TTrivoComponent(const TTrivoComponent&) = delete;
  TTrivoComponent& operator=(const TTrivoComponent&) = delete;

  TTrivoComponent* Owner() const { return FOwner; }
  const std::string& Name() const { return FName; }
  void SetName(std::string name) { FName = std::move(name); }

  // AComponent will be told (ReferenceNotice) when this component is destroyed.
  void FreeNotification(TTrivoComponent* AComponent);
  void RemoveFreeNotification(TTrivoComponent* AComponent);

 protected:
  virtual void ReferenceNotice(TTrivoComponent* AComponent) { (void)AComponent; }

 private:
  TTrivoComponent* FOwner;
  std::string FName;
  std::vector<TTrivoComponent*> FNotified;
};

// The pack's mail component. It is not on this system's road: the operations are kept, and
// sending reports that no mail transport is available.
class TTrivoMail : public TTrivoComponent {
 public:
  using TTrivoComponent::TTrivoComponent;
  struct TAnexo {
    std::string Nome;
    std::string Dados;    // an attached stream
    std::string Arquivo;  // an attached file
  };
  virtual void Clear();
  void AddAddress(const std::string& a) { Para.push_back(a); }
  void AddCC(const std::string& a) { CC.push_back(a); }
  void AddBCC(const std::string& a) { BCC.push_back(a); }
  void AddReplyTo(const std::string& a) { ReplyTo.push_back(a); }
  void ClearAttachments() { Anexos.clear(); }
  void AddAttachment(const std::string& dados, const std::string& nome) { Anexos.push_back({nome, dados, {}}); }
  void AddAttachmentFile(const std::string& arquivo) { Anexos.push_back({{}, {}, arquivo}); }
  virtual void Send();

  std::vector<std::string> Para, CC, BCC, ReplyTo;
  std::string Subject;
  std::vector<std::string> Body;
  std::string AltBody;
  std::vector<TAnexo> Anexos;
};

// The pack's fiscal-integrator component, also off this system's road. The base sends
// nothing and answers with no lines.
class TTrivoIntegrador : public TTrivoComponent {
 public:
  using TTrivoComponent::TTrivoComponent;
  virtual void Clear() { Parametros.clear(); }
  void SetParametro(const std::string& nome, const std::string& valor);
  std::string Parametro(const std::string& nome) const;
  // Sends the parameters and waits for the answer lines in Resposta.
  virtual void EnviarEAguardar() { Resposta.clear(); }

  std::vector<std::pair<std::string, std::string>> Parametros;
  std::vector<std::string> Resposta;
};

using TTrivoDFeOnTransmit = std::function<void(
    const std::string& Dados, const std::string& URL, const std::string& SoapAction, const std::string& MimeType,
    std::string& Resposta, std::int32_t& HTTPResultCode, std::int32_t& InternalErrorCode)>;
using TTrivoDFeOnTransmitError =
    std::function<void(std::int32_t HttpError, std::int32_t InternalError, const std::string& URL,
                       const std::string& DadosEnviados, const std::string& SoapAction, bool& Retentar, bool& Tratado)>;
using TTrivoGravarLog = std::function<void(const std::string& ALogLine, bool& Tratado)>;
using TNotifyEvent = std::function<void(TTrivoDFe* Sender)>;

class TTrivoDFe : public TTrivoComponent {
 public:
  // Derived components run their set-up in Create; use Criar to get a ready component.
  template <class T = TTrivoDFe, class... Args>
  static std::unique_ptr<T> Criar(Args&&... args) {
    auto c = std::make_unique<T>(std::forward<Args>(args)...);
    c->Create();
    return c;
  }

  explicit TTrivoDFe(TTrivoComponent* AOwner = nullptr);
  ~TTrivoDFe() override;

  TConfiguracoes& Configuracoes() const { return *FPConfiguracoes; }
  TDFeSSL& SSL() const { return *FSSL; }

  TTrivoMail* MAIL() const { return FMAIL; }
  void SetMAIL(TTrivoMail* AValue);
  TTrivoIntegrador* Integrador() const { return FIntegrador; }
  void SetIntegrador(TTrivoIntegrador* AValue);

  TTrivoDFeOnTransmit OnTransmit;
  TTrivoDFeOnTransmitError OnTransmitError;
  TNotifyEvent OnStatusChange;
  TTrivoGravarLog OnGerarLog;
  // Reads and writes the facade's before-signing hook.
  TDFeSSLAntesDeAssinar OnAntesDeAssinar() const;
  void SetOnAntesDeAssinar(TDFeSSLAntesDeAssinar AValue);

  bool Gravar(const std::string& NomeArquivo, const std::string& ConteudoXML, const std::string& aPath = "",
              bool ConteudoEhUTF8 = true);

  void LerServicoChaveDeParams(const std::string& NomeSessao, const std::string& NomeServico, double& Versao,
                               std::string& URL);
  void LerDeParams(const std::string& NomeSessao, const std::string& NomeServico, double& Versao, std::string& Servico);
  void LerServicoDeParams(const std::string& ModeloDFe, const std::string& UF, TpcnTipoAmbiente TipoAmbiente,
                          const std::string& NomeServico, double& Versao, std::string& URL);
  void LerServicoDeParams(const std::string& ModeloDFe, const std::string& UF, TpcnTipoAmbiente TipoAmbiente,
                          const std::string& NomeServico, double& Versao, std::string& URL, std::string& Servico,
                          std::string& SoapAction);

  void FazerLog(const std::string& Msg, bool& Tratado);
  // Logs "ERRO: " + the text and raises ETrivoDFeException with the text unless the log
  // hook handled it.
  void GerarException(const std::string& Msg, const std::exception* E = nullptr);

  virtual void CarregarParamsServicos(bool ApenasSeNaoLido = true);
  virtual std::string NomeSchemaDoServico(const std::string& NomeServico);
  virtual std::string VersaoDoNomeSchema(const std::string& NomeArquivo);
  virtual std::string VersaoNumeroParaTexto(double Versao);
  virtual double VersaoTextoParaNumero(const std::string& Texto);
  virtual std::string LocalizarArquivoSchema(const std::string& NomeSchema, double& Versao);
  virtual std::string GetNomeModeloDFe();
  virtual std::string GetNameSpaceURI();
  virtual void EnviarEmail(const std::string& sPara, const std::string& sAssunto,
                           const std::vector<std::string>* sMensagem = nullptr,
                           const std::vector<std::string>* sCC = nullptr,
                           const std::vector<std::string>* Anexos = nullptr, const std::string* StreamNFe = nullptr,
                           const std::string& NomeArq = "", const std::vector<std::string>* sReplyTo = nullptr,
                           const std::vector<std::string>* sBCC = nullptr);
  virtual double LerVersaoDeParams(const std::string& ModeloDFe, const std::string& UF, TpcnTipoAmbiente TipoAmbiente,
                                   const std::string& NomeServico, double VersaoBase);
  virtual std::string LerURLDeParams(const std::string& ModeloDFe, const std::string& UF, TpcnTipoAmbiente TipoAmbiente,
                                     const std::string& NomeServico, double VersaoBase);

 protected:
  // The creation steps that need the derived class's answers (configuration, namespace).
  virtual void Create();
  virtual std::unique_ptr<TConfiguracoes> InstanciarConfiguracoes();
  void ReferenceNotice(TTrivoComponent* AComponent) override;

  std::unique_ptr<TConfiguracoes> FPConfiguracoes;
  std::unique_ptr<platform::TIniFile> FPIniParams;
  bool FPIniParamsCarregado = false;
  std::string FPSeparadorVersaoSchema = "_v";

 private:
  TTrivoMail* FMAIL = nullptr;
  TTrivoIntegrador* FIntegrador = nullptr;
  std::unique_ptr<TDFeSSL> FSSL;
  std::vector<std::string> FListaDeSchemas;
  std::string FPathSchemas;
  std::string FPastaSchemasReal;  // FPathSchemas as found on disk
};

}  // namespace dfe
