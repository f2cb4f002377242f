#pragma once
// The base of every eSocial event object. It holds the event's document and does what every
// event needs whatever its layout: signing the document with the employer's certificate,
// validating it against the event's schema and saving it; and it gives the units the pieces of
// XML generation: the event identifier, the document head and the writers of the groups that
// several events share (event_writers.cpp). A unit's GerarXML runs inside the frame of
// esocial/events/event_frame.h.
//
// Text is UTF-8 throughout; a signed document is held as its UTF-8 bytes, which is the text
// itself.
#include <functional>
#include <string>
#include <string_view>

#include "dfe/xml_writer.h"
#include "esocial/event_types.h"
#include "esocial/layout_enums.h"
#include "esocial/records_identification.h"
#include "platform/date_time.h"

namespace dfe {
class TTrivoComponent;
class TDFeSSL;
}  // namespace dfe

namespace esocial {

class TTrivoeSocial;
class TConfiguracoeseSocial;
class TeSocialEvento;
struct TOpcoesDocumento;

// The document frame of a unit's GerarXML (esocial/events/event_frame.h).
bool GerarDocumentoeSocial(TeSocialEvento& Evento, std::string_view Raiz, std::string_view NrInsc,
                           const std::function<void()>& Corpo, const TOpcoesDocumento& Opcoes);

class TeSocialEvento : public TeSocial {
 public:
  // ATrivoeSocial must be the eSocial component; anything else, null included, raises
  // std::runtime_error "Parâmetro ATrivoeSocial precisa ser do tipo TTrivoeSocial.".
  explicit TeSocialEvento(dfe::TTrivoComponent* ATrivoeSocial);
  ~TeSocialEvento() override;
  TeSocialEvento(const TeSocialEvento&) = delete;
  TeSocialEvento& operator=(const TeSocialEvento&) = delete;

  // The event document. Assigning a text that holds a signature (any "<signature", letter case
  // ignored) keeps it unchanged and unvalidated, reading Id from it only when Id is empty. Any
  // other text is recognised under the configured layout version, signed, Id read from the
  // signed text, and validated against the event's schema; the signer's and the validator's
  // errors pass out (a validation error leaves the signed text in place).
  const std::string& XML() const { return FXML; }
  void SetXML(const std::string& Value);

  // Signs one event document as the element NomeEvento ("evtAdmissao") under the root
  // "eSocial"; returns the signed document without the declarations
  // <?xml version="1.0" encoding="UTF-8" standalone="no"?> and <?xml version="1.0"?>.
  std::string Assinar(const std::string& XMLEvento, const std::string& NomeEvento);
  // Validates the signed document (signing XML first when nothing is signed yet) against the
  // schema file of Schema for the configured version; raises dfe::ETrivoeSocialException.
  void Validar(TeSocialSchema Schema);
  // Writes XML to CaminhoArquivo with its extension made ".xml": lines ended by CR LF, no
  // byte-order mark, an existing file replaced.
  void SaveToFile(const std::string& CaminhoArquivo) const;
  // The 36-character event identifier: Id itself when it has 36 characters already.
  std::string GerarChaveEsocial(platform::TDateTime emissao, const std::string& CNPJF, int sequencial);

  // The base step of every unit's writer: copies the configured version and writer options;
  // writes nothing and returns false. Units override it with the frame of event_frame.h.
  virtual bool GerarXML();
  // Reads the event from INI text or an INI file, generates and assigns its XML. Every unit
  // overrides it; the base raises, so a unit that has none yet fails loudly.
  virtual bool LerArqIni(const std::string& AIniString);

  const std::string& Alertas() const { return FAlertas; }
  const std::string& ErroValidacao() const { return FErroValidacao; }
  const std::string& ErroValidacaoCompleto() const { return FErroValidacaoCompleto; }
  // The layout version the writers follow; GerarXML copies it from the configuration.
  TVersaoeSocial VersaoDF() const { return FVersaoDF; }
  void SetVersaoDF(TVersaoeSocial Value) { FVersaoDF = Value; }
  dfe::TGerador& Gerador() { return FGerador; }
  const dfe::TGerador& Gerador() const { return FGerador; }
  TTrivoeSocial& TrivoeSocial() const { return FTrivoeSocial; }
  TConfiguracoeseSocial& Configuracoes() const;

  // ---- document head, for the frame ----
  // Sets the facade's namespace to the event's and writes the XML declaration and the
  // opening eSocial root.
  void AbrirDocumentoeSocial(const std::string& NomeEvento);
  void FecharDocumentoeSocial();

  // ---- writers of shared groups (event_writers.cpp) ----
  // GeraGrupo: write the ideEvento tags around the fields.
  void GerarIdeEvento(const TIdeEvento& pEvt, bool GeraGrupo = true);
  void GerarIdeEvento2(const TIdeEvento2& pEvt, bool GeraGrupo, bool GeraRetif, bool GeraGuia);
  void GerarIdeEvento3(const TIdeEvento3& pEvt, bool GeraRetif, bool GeraIndApuracao, bool GeraGuia);
  void GerarIdeEvento4(const TIdeEvento4& pEvt, bool GeraIndApuracao, bool GeraGuia);
  void GerarIdeEmpregador(const TIdeEmpregador& pEmp);
  // GroupName: "idePeriodo" or "novaValidade".
  void GerarIdePeriodo(const TIdePeriodo& pIdePeriodo, const std::string& GroupName = "idePeriodo");
  void AbrirGrupoModoLancamento(TModoLancamento pModoLancamento);
  void FecharGrupoModoLancamento(TModoLancamento pModoLancamento);
  // The one alert of a list written over its maximum (all items are written all the same).
  void AlertarLimiteLista(const std::string& Tag, const std::string& Descricao, int Quantidade, int Maximo);

 protected:
  // Id := the first Id attribute of XML (empty when there is none).
  void LerIdEvento();

 private:
  friend bool GerarDocumentoeSocial(TeSocialEvento&, std::string_view, std::string_view, const std::function<void()>&,
                                    const TOpcoesDocumento&);
  dfe::TDFeSSL& SSL() const;
  // The period of an ideEvento: indApuracao when asked, perApur, indGuia when asked.
  void GerarApuracao(tpIndApuracao IndApuracao, const std::string& perApur, const std::string& indGuia,
                     bool GeraIndApuracao, bool GeraGuia);
  // indGuia exists from the S-1 layouts on and is left out when empty.
  void GerarIndGuia(const std::string& indGuia, bool GeraGuia);
  // A writer with no text, alerts or open groups; the caller's options stay.
  void RenovarGerador();

  std::string FXMLAssinado;
  std::string FXMLOriginal;
  std::string FAlertas;
  std::string FErroValidacao;
  std::string FErroValidacaoCompleto;
  TVersaoeSocial FVersaoDF = ve02_04_01;
  dfe::TGerador FGerador;
  std::string FXML;
  TTrivoeSocial& FTrivoeSocial;
};

}  // namespace esocial
