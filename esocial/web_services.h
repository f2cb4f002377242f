#pragma once
// The four SOAP services of the government's eSocial web services, each a call of the DFe
// web-service base: the batch send (EnviarLoteEventos), the batch query
// (ConsultarLoteEventos), the identifier query (ConsultarIdentificadoresEventos...) and the
// event download (SolicitarDownloadEventos...). Each builds its body and SOAP 1.1 envelope in
// the namespace of its WSDL, cuts its result element out of the reply and reads it into its
// reply record; TWebServices owns the four and runs one call at a time.
//
// A reply whose result element is missing, or whose content the record's reader cannot read,
// raises dfe::ETrivoDFeException "Erro ao obter resposta do webservice." with the reply, after
// the reply files were saved; so does a result element outside the service's namespace, or a
// reply document outside the namespace of its schema, with the element and the namespace.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dfe/web_service.h"
#include "dfe/xml_reader.h"
#include "esocial/batch.h"
#include "esocial/replies_batch_consult.h"
#include "esocial/replies_batch_send.h"
#include "esocial/replies_download.h"
#include "esocial/replies_identifiers.h"
#include "esocial/trivo_esocial.h"

namespace esocial {

// What tells the four services apart: their place in the layout and status, the name parts of
// their files, their WSDL's namespace and operation, and their kinds of notification.
struct TDescricaoServico {
  TLayOut Layout;
  TStatusTrivoeSocial Status;
  const char* ArqEnv;
  const char* ArqResp;
  const char* NameSpace;  // the path that follows the namespace root
  const char* Servico;    // the operation, before a complement (ConsultarIdentificadoresEventos...)
  const char* Involucro;  // the element of the operation that holds the request
  TeSocialEventos Envio, Retorno;
  const char* NameSpaceResposta;  // the reply document's: the path that follows the root
};

class TeSocialWebService : public dfe::TDFeWebService {
 public:
  TeSocialWebService(TTrivoeSocial& AOwner, const TDescricaoServico& ADescricao);

  void Clear() override;

  TStatusTrivoeSocial Status() const { return FPStatus; }
  TLayOut Layout() const { return FPLayout; }
  // The reply file's name once the request files were saved: the call's prefix, "-",
  // ArqResp and ".xml".
  const std::string& PathNome() const { return FPathNome; }

 protected:
  void PrepararServico() override;
  void DefinirURL() override;
  // The SOAP action: the namespace, "/Servico" and the operation's name, then the operation.
  void DefinirServicoEAction() override;
  // No header; the body holds the operation (in the namespace, prefix v1) and in it the
  // request element with DadosMsg.
  void MontarEnvelopeSoap() override;
  void EncerrarServico() override;
  std::string GerarVersaoDadosSoap() override;
  // One prefix per call, shared by its request and reply files.
  std::string PrefixoNomeArquivo() override;
  // The prefix of a call that has none yet: the time stamp (made free, below).
  virtual std::string NovoPrefixo();
  // Prefixo itself when no file of this service's names starts with it in the save folder,
  // else Prefixo with "_2", "_3", ...: a call never replaces an earlier call's files.
  std::string PrefixoLivre(const std::string& Prefixo) const;

  // The service's namespace as the SOAP action begins with it.
  virtual std::string NameSpaceServico() const;
  // What follows the operation's name for this call ("Empregador", "PorId"); empty by default.
  virtual std::string Complemento() const { return {}; }
  virtual std::string Involucro() const { return FDescricao.Involucro; }
  std::string Operacao() const { return FDescricao.Servico + Complemento(); }

  // RetWS := the content of the operation's result element; the reader gets it (decoded when
  // it is escaped) and reads it; the reply goes to OnTransmissaoEventos. Raises when there is
  // no result element, the reader finds no reply in it, or either stands outside its namespace.
  void LerResposta(dfe::TLeitor& Leitor, const std::function<bool()>& LerXml);
  // Hands DadosMsg to OnTransmissaoEventos as the service's request.
  void NotificarEnvio() const;
  // Saves one document of the reply into the save folder when the file settings' Salvar is on;
  // NomeArquivo becomes one name in that folder whatever it holds.
  void GravarDocumentoResposta(const std::string& NomeArquivo, const std::string& XML) const;
  // Signs DadosMsg under the eSocial root with infElement signed, then validates it against
  // the schema file (in the schema folder); a failure of either raises before anything is sent.
  void AssinarEValidar(const std::string& infElement, const std::string& Schema);
  // The summary of a reply; versaoAplic and dhRecepcao only for the batch replies.
  std::string Resumo(const TStatus& Status, const std::string* versaoAplic = nullptr,
                     platform::TDateTime dhRecepcao = 0) const;

  TTrivoeSocial& FTrivoeSocial;
  TConfiguracoeseSocial& FPConfiguracoeseSocial;
  TStatusTrivoeSocial FPStatus = stIdle;
  TLayOut FPLayout = LayEnvioLoteEventos;
  std::string FPathNome;

 private:
  void Notificar(const std::string& AXML, TeSocialEventos ATipo) const;
  const TDescricaoServico& FDescricao;
};

class TEnvioLote : public TeSocialWebService {
 public:
  explicit TEnvioLote(TTrivoeSocial& AOwner);

  void Clear() override;
  TLoteEventos& Lote() const { return *FLote; }
  TRetEnvioLote& RetEnvioLote() const { return *FRetEnvioLote; }
  std::uint8_t Grupo() const { return FGrupo; }
  void SetGrupo(std::uint8_t AValue) { FGrupo = AValue; }
  // The batch and its envelope without sending them; the request files when ASalvar is set.
  bool GerarLote(std::uint8_t AGrupo, bool ASalvar);

 protected:
  void DefinirDadosMsg() override;
  bool TratarResposta() override;
  std::string TextoResumoResposta() override;
  std::string TextoErroTransmissao(const std::exception& E) override;
  // The component's namespace, which begins with a blank.
  std::string NameSpaceServico() const override;

 private:
  std::uint8_t FGrupo = 0;
  std::string FVersao;
  std::unique_ptr<TLoteEventos> FLote;
  std::unique_ptr<TRetEnvioLote> FRetEnvioLote;
};

class TConsultaLote : public TeSocialWebService {
 public:
  explicit TConsultaLote(TTrivoeSocial& AOwner);

  void Clear() override;
  const std::string& Protocolo() const { return FProtocolo; }
  void SetProtocolo(const std::string& AValue) { FProtocolo = AValue; }
  TRetConsultaLote& RetConsultaLote() const { return *FRetConsultaLote; }
  // Saves every totalizer of the reply read last that carries XML, when the eSocial file
  // settings' Salvar is on, into the save folder as NomeArquivoTotalizador names it. A
  // totalizer that has no such name is not saved: why is in TotalizadoresNaoGravados.
  void GravarTotalizadores();
  // One text per totalizer of the last reply that was not saved, with the reason.
  const std::vector<std::string>& TotalizadoresNaoGravados() const { return FTotalizadoresNaoGravados; }

 protected:
  void DefinirDadosMsg() override;
  bool TratarResposta() override;
  std::string TextoResumoResposta() override;
  // The protocol names the files (a time stamp without one).
  std::string NovoPrefixo() override;

 private:
  std::string FProtocolo;
  std::unique_ptr<TRetConsultaLote> FRetConsultaLote;
  std::vector<std::string> FTotalizadoresNaoGravados;
};

// The name a totalizer of the event IdEvento is saved under: the identifier reduced to its
// digits, "-", the type and ".xml". The type must be one the component knows and the
// identifier must hold digits, not hundreds of them; otherwise there is no name (empty) and
// Motivo says why. A reply names files only so: never a path, never a folder.
std::string NomeArquivoTotalizador(const std::string& IdEvento, const std::string& Tipo, std::string& Motivo);

class TConsultaIdentEventos : public TeSocialWebService {
 public:
  explicit TConsultaIdentEventos(TTrivoeSocial& AOwner);

  void Clear() override;
  TRetConsultaIdentEvt& RetConsultaIdentEvt() const { return *FRetConsultaIdentEvt; }

  tpConsulta tipoConsulta = tcEmpregador;
  std::string Cnpj;
  TTipoEvento Evento = teS1000;
  platform::TDateTime PerApur = 0;
  std::string chEvt;
  platform::TDateTime dtIni = 0;
  platform::TDateTime dtFim = 0;
  std::string cpfTrab;

 protected:
  friend class TWebServices;
  void DefinirDadosMsg() override;
  bool TratarResposta() override;
  std::string TextoResumoResposta() override;
  // The event type, the CNPJ, the period as mm-yyyy and the time stamp.
  std::string NovoPrefixo() override;
  std::string Complemento() const override { return FmetodoConsulta; }
  std::string Involucro() const override { return "consultaEventos" + FmetodoConsulta; }

 private:
  std::string FmetodoConsulta;  // "Empregador", "Tabela" or "Trabalhador"
  std::unique_ptr<TRetConsultaIdentEvt> FRetConsultaIdentEvt;
};

class TDownloadEventos : public TeSocialWebService {
 public:
  explicit TDownloadEventos(TTrivoeSocial& AOwner);

  void Clear() override;
  TRetDownloadEvt& RetDownloadEvt() const { return *FRetDownloadEvt; }

  std::string TipoDownload;  // "PorId" or "PorNrRecibo"
  std::string Cnpj;
  std::string PorID;
  std::string PorNrRecibo;

 protected:
  void DefinirDadosMsg() override;
  bool TratarResposta() override;
  std::string TextoResumoResposta() override;
  std::string Complemento() const override { return TipoDownload; }

 private:
  std::unique_ptr<TRetDownloadEvt> FRetDownloadEvt;
};

class TWebServices {
 public:
  explicit TWebServices(TTrivoeSocial& AOwner);
  ~TWebServices();
  TWebServices(const TWebServices&) = delete;
  TWebServices& operator=(const TWebServices&) = delete;

  TTrivoeSocial& TrivoeSocial() const { return FTrivoeSocial; }
  TEnvioLote& EnvioLote() const { return *FEnvioLote; }
  TConsultaLote& ConsultaLote() const { return *FConsultaLote; }
  TConsultaIdentEventos& ConsultaIdentEventos() const { return *FConsultaIdentEventos; }
  TDownloadEventos& DownloadEventos() const { return *FDownloadEventos; }

  // Each returns true or raises; false only when the owner's log hook marked the error handled.
  bool Envia(std::uint8_t grupo);
  bool GeraLote(std::uint8_t grupo, bool save);
  bool Consultar(const std::string& AProtocolo);
  bool ConsultaIdentificadoresEventosEmpregador(const std::string& CnpjEstab, TTipoEvento tpEvt,
                                                platform::TDateTime PerApur);
  bool ConsultaIdentificadoresEventosTabela(const std::string& CnpjEstab, TTipoEvento tpEvt, const std::string& AchEvt,
                                            platform::TDateTime AdtIni, platform::TDateTime AdtFim);
  bool ConsultaIdentificadoresEventosTrabalhador(const std::string& CnpjEstab, const std::string& AcpfTrab,
                                                 platform::TDateTime AdtIni, platform::TDateTime AdtFim);
  bool DownloadEvento(const std::string& ACnpjEmpr, const std::string& APorID, const std::string& APorNrRecibo);

 private:
  // Executar, and the service's message raised when an error was only logged.
  bool Executar(TeSocialWebService& Servico);
  bool ConsultarIdentificadores(tpConsulta Tipo, const std::string& Metodo);

  TTrivoeSocial& FTrivoeSocial;
  std::unique_ptr<TEnvioLote> FEnvioLote;
  std::unique_ptr<TConsultaLote> FConsultaLote;
  std::unique_ptr<TConsultaIdentEventos> FConsultaIdentEventos;
  std::unique_ptr<TDownloadEventos> FDownloadEventos;
};

}  // namespace esocial
