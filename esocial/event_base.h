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
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

#include "dfe/xml_writer.h"
#include "esocial/event_types.h"
#include "esocial/layout_enums.h"
#include "esocial/records_contract.h"
#include "esocial/records_identification.h"
#include "esocial/records_payments.h"
#include "esocial/records_worker.h"
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

// How GerarItensRemun writes a list of rubrics; a new caller sets a field.
struct TOpcoesItensRemun {
  // descFolha under S-1.03 (the lists of infoPerAnt have none).
  bool GeraDescFolha = true;
  // indApurIR required from the S-1 layouts on (S-1202, S-1207): one not informed is written
  // empty, with its alert; otherwise it is left out.
  bool IndApurIRObrigatorio = false;
  // Each rubric's matricula first, as the 2.5 partial payments of S-1210 carry it.
  bool GeraMatricula = false;
};

// How GerarDependente writes a dependant's sexoDep.
enum class TSexoDep { Omitido, Opcional, Obrigatorio };

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
  // A number that changes whenever XML does and that no other document of any event had: a
  // file saved from the document holds it as long as the number stays.
  std::uint64_t VersaoXML() const { return FVersaoXML; }

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
  // A code of the model that the event's layout does not hold is written as given with this
  // alert, so that the schema's rejection does not come unannounced.
  void AlertarCodigoForaDoLeiaute(const std::string& Tag);
  // A text field whose length must be one of Tamanhos (ascending), as process numbers of 17, 20
  // or 21 digits: any other length alerts as a size outside a field's bounds does.
  void wCampoTamanhos(const std::string& Tag, std::initializer_list<int> Tamanhos, int Ocorrencias,
                      const std::string& Valor);

  // ---- writers of the groups the events share ----
  // Each writes its group into Gerador by the event's VersaoDF and writes nothing where its
  // presence test fails (an empty key text, a zero date, a "none" code). Sizes, missing values
  // and lists over their maximum become alerts; only a date field holding no date raises (the
  // writer's conversion error). A writer that takes a record with optional groups takes it
  // by plain reference, but only reads the groups whose predicate says they exist.

  // Identification, processes and employer tables (event_writers_shared.cpp).
  // ideVinculo: cpfTrab; nisTrab on the 2.x layouts unless Reduzido; matricula (required when
  // codCateg is not written); codCateg when GeraCodCateg and not Reduzido.
  // Under S-1.03, S-2221 and S-2298 must not ask for codCateg.
  void GerarIdeVinculo(const TIdeVinculo& pIdeVinculo, bool GeraCodCateg, bool Reduzido);
  // The same, with matricula only for categories that have a registration number.
  void GerarIdeVinculoPorCategoria(const TIdeVinculo& pIdeVinculo, bool GeraCodCateg, bool Reduzido);
  // cpfTrab, inside ideTrabalhador when GeraGrupo; nisTrab is never written.
  void GerarIdeTrabalhador(const TideTrabalhador& pIdeTrabalhador, bool GeraGrupo);
  // ideFolhaPagto with indApuracao and perApur, or perApur alone; nothing when perApur is empty.
  void GerarIdeFolhaPagto(const TIdeFolhaPagto& pIdeFolhaPagto);
  void GerarIdeFolhaPagtoPerApur(const TIdeFolhaPagto& pIdeFolhaPagto);
  // Optional wherever a layout has it: nothing when none of its values is given.
  void GerarIdeRespInf(const TIdeRespInf& pIdeRespInf);
  // The council number is nrOC for teS2210, nrOc for teS2230 and left out for other types.
  void GerarEmitente(const TEmitente& pEmitente, TTipoEvento pTipoEvento);
  // localTrabInterm; nothing when neither the street's type nor its name is given.
  void GerarLocalTrabInterm(const TBrasil& pLocal);
  // A process group under GroupName ("ideProcessoIRRF", ...): nrProc and codSusp (required in the
  // S-1 layouts, where ideProcessoFGTS has none).
  void GerarProcesso(const std::string& GroupName, const TProcesso& pProcesso);
  // The rate group of an establishment; nothing from the S-1 layouts when no process number
  // is given, Fap is not above 0 and the establishment is not inscribed by CNO. pEmp is the
  // employer (fap only for a CNPJ employer). GroupName: "aliqGilrat".
  void GerarAliqGilRat(const TIdeEmpregador& pEmp, tpTpInsc TpInscEstab, TAliqGilRat& pAliqGilRat,
                       const std::string& GroupName);
  void GerarProcAdmJudRat(const TProcAdmJudRat& pProc);
  void GerarProcAdmJudFap(const TProcAdmJudFap& pProc);
  // Invoices: elements up to ve02_04_02, one element whose data are attributes after it.
  void GerarNfs(const TNfsColecao& pNfs);

  // Remuneration, payments and taxes (event_writers_payments.cpp).
  // One group GroupName ("itensRemun", "detVerbas", ...) per rubric, as Opcoes asks.
  void GerarItensRemun(const TRubricaCollection& pItens, const std::string& GroupName,
                       const TOpcoesItensRemun& Opcoes = {});
  // descFolha; nothing when tpDesc is tpdNaoInformado.
  void GerarDescFolha(const TdescFolha& pDescFolha);
  // One ideEstabLot per item with its detVerbas (GeraDescFolha passed on). TipoEvento teS2399
  // under the S-1 layouts leaves out infoAgNocivo and allows 99 items instead of 24.
  void GerarIdeEstabLot(const TideEstabLotCollection& pIdeEstabLot, TTipoEvento TipoEvento = teS2299,
                        bool GeraDescFolha = true);
  void GerarInfoAgNocivo(const TInfoAgNocivo& pInfoAgNocivo);
  // infoSimples; nothing when indSimples is idsNenhum.
  void GerarInfoSimples(const TinfoSimples& pInfoSimples);
  void GerarInfoSaudeColet(const TInfoSaudeColet& pInfoSaudeColet);
  void GerarDetOper(const TDetOperCollection& pDetOper);
  void GerarDetPlano(const TDetPlanoCollection& pDetPlano);
  // infoMV with its remunOutrEmpr items (those whose vlrRemunOE is not above 0 are skipped
  // but counted for the limit).
  void GerarInfoMV(const TInfoMV& pInfoMV);
  void GerarRemunOutrEmpr(const TRemunOutrEmprCollection& pRemunOutrEmpr);
  void GerarProcJudTrab(const TProcJudTrabCollection& pProcJudTrab, bool GeraTpTrib);
  // The start of a final payment's payslip (S-2299, S-2399): ideDmDev, then, from S-1.01 on,
  // indRRA and infoRRA when indRRA is snfSim and pInfoRRA (null when not made) is given.
  void GerarInicioDmDev(const std::string& ideDmDev, tpSimNaoFacultativo indRRA, TInfoRRA* pInfoRRA);
  // indRRA and infoRRA alone, for payslips with a field between them and ideDmDev (S-1200,
  // S-1202, S-1207): the same rule.
  void GerarIndRRA(tpSimNaoFacultativo indRRA, TInfoRRA* pInfoRRA);
  // The end of a final payment (S-2299, S-2399): procJudTrab with tpTrib, then infoMV when it
  // holds another employer's pay.
  void GerarFimVerbasResc(TVerbasResc& pVerbasResc);
  void GerarPensaoAlim(const TPensaoAlimCollection& pPensaoAlim, const std::string& GroupName);
  // infoRRA with despProcJud and ideAdv when they exist.
  void GerarInfoRRA(TInfoRRA& pInfoRRA);
  // Both amounts always written (0 as 0.00).
  void GerarDespProcJud(const TDespProcJud& pDespProcJud);
  void GerarIdeAdv(const TIdeAdvCollection& pIdeAdv);
  // 2.x: one infoInterm with the first item's qtdDiasInterm; S-1: one per item (hrsTrab
  // under S-1.03). Nothing for an empty list.
  void GerarInfoInterm(const TinfoIntermCollection& pInfoInterm);
  // quarentena up to veS01_00_00 when dtFimQuar is set.
  void GerarQuarentena(const TQuarentena& pQuarentena);
  void GerarEndExt(const TEndExt& pEndExt);
  void GerarIdePais(const TIdePais& pIdePais);
  void GerarPerAnt(const TperAnt& pPerAnt);

  // The worker's personal data (event_writers_worker.cpp). Tipo, the event kind: 1 the
  // registration change (S-2205), 2 the admission (S-2200), 3 the start of a worker without
  // bond (S-2300).
  // The group GroupName: "trabalhador" (with cpfTrab and nascimento) or "dadosTrabalhador"
  // (paisNac in place of nascimento under the S-1 layouts). CadIni is the bond's cadIni;
  // CodCateg decides whether the 2.x nisTrab is required and, for kind 3 from S-1.02 on,
  // leaves out the address, disability and contact of category 308 (with an alert when any
  // was given). The address may be left out from S-1.02 on.
  void GerarTrabalhador(const TTrabalhador& pTrabalhador, tpSimNao CadIni, const std::string& GroupName, int Tipo,
                        int CodCateg);
  void GerarNascimento(const TNascimento& pNascimento, const std::string& GroupName = "nascimento");
  // documentos and its six documents, each only when its number is given.
  void GerarDocumentos(const TDocumentos& pDocumentos);
  void GerarCTPS(const TCTPS& pCTPS);
  void GerarRIC(const TRIC& pRIC);
  void GerarRG(const TRG& pRG);
  void GerarRNE(const TRNE& pRNE);
  void GerarOC(const TOC& pOC);
  void GerarCNH(const TCNH& pCNH);
  // endereco holding exterior for a foreigner living abroad (PaisResid set and not "105"),
  // otherwise brasil.
  void GerarEndereco(const TEndereco& pEndereco, bool Estrangeiro = false);
  void GerarEnderecoBrasil(const TBrasil& pBrasil, const std::string& GroupName = "brasil");
  void GerarEnderecoExterior(const TExterior& pExterior);
  void GerarTrabEstrangeiro(const TTrabEstrangeiro& pTrabEstrangeiro);
  void GerarTrabImig(const TtrabImig& pTrabImig);
  void GerarInfoDeficiencia(const TInfoDeficiencia& pInfoDeficiencia, int Tipo);
  // One dependente per item. FormaBeneficio (S-2400, S-2405): no depSF and incFisMen in
  // place of incTrab. SexoDep: left out (S-2300 under the S-1 layouts), written when "F" or
  // "M", or required (S-2405), one not given written empty with its alert.
  void GerarDependente(const TDependenteCollection& pDependente, bool FormaBeneficio = false,
                       TSexoDep SexoDep = TSexoDep::Opcional);
  void GerarAposentadoria(const TAposentadoria& pAposentadoria);
  void GerarContato(const TContatoTrabalhador& pContato);

  // The employment bond and contract (event_writers_contract.cpp). Tipo, the event kind: 2
  // the admission (S-2200), 3 the contract change (S-2206, 2.x layouts only), which writes
  // only tpRegPrev in vinculo.
  void GerarVinculo(TVinculo& pVinculo, int Tipo);
  void GerarInfoRegimeTrab(const TInfoRegimeTrab& pInfoRegimeTrab);
  void GerarInfoCeletista(const TInfoCeletista& pInfoCeletista);
  // Tipo 3, the start of a worker without bond (S-2300), names the group fgts up to 2.5.
  void GerarFGTS(const TFGTS& pFGTS, int Tipo = 2);
  void GerarTrabTemporario(const TTrabTemporario& pTrabTemporario);
  // 2.x: ideTomadorServ holding ideEstabVinc; S-1: ideEstabVinc alone.
  void GerarIdeTomadorServ(const TIdeTomadorServ& pIdeTomadorServ);
  void GerarIdeEstabVinc(const TIdeEstabVinc& pIdeEstabVinc);
  void GerarIdeTrabSubstituido(const TIdeTrabSubstituidoCollection& pIdeTrabSubstituido);
  void GerarAprend(const TAprend& pAprend);
  void GerarInfoEstatutario(const TInfoEstatutario& pInfoEstatutario);
  void GerarInfoDecJud(const TInfoDecJud& pInfoDecJud);
  // infoContrato; pInfoRegimeTrab (the bond's) decides whether horContratual is written.
  void GerarInfoContrato(TInfoContrato& pInfoContrato, int Tipo, const TInfoRegimeTrab& pInfoRegimeTrab);
  void GerarRemuneracao(const TRemuneracao& pRemuneracao);
  // Tipo: the event kind, or for S-2500 its tpRegTrab code as a number; clauAssec only for
  // 1 or 2 (S-2206 passes 3).
  void GerarDuracao(const TDuracao& pDuracao, int Tipo);
  void GerarLocalTrabalho(const TLocalTrabalho& pLocalTrabalho);
  void GerarLocalTrabGeral(const TLocalTrabGeral& pLocalTrabGeral);
  void GerarLocalTrabDom(const TLocalTrabDom& pLocalTrabDom);
  void GerarLocalTempDom(const TLocalTempDom& pLocalTempDom);
  // horContratual; a working-hours type the version lacks is alerted and written all the same.
  void GerarHorContratual(const THorContratual& pHorContratual);
  void GerarHorario(const THorarioCollection& pHorario);
  void GerarFiliacaoSindical(const TFiliacaoSindical& pFiliacaoSindical);
  void GerarAlvaraJudicial(const TAlvaraJudicial& pAlvaraJudicial);
  void GerarObservacoes(const TObservacoesCollection& pObservacoes);
  // Only the codes 1006, 1207 and 3701 to 3719 are written; all items count for the limit.
  void GerarTreiCap(const TtreiCapCollection& pTreiCap);
  void GerarSucessaoVinc(const TSucessaoVinc& pSucessaoVinc);
  void GerarTransfDom(const TtransfDom& pTransfDom);
  // mudancaCPF of S-2200, of S-2300 and of S-2299/S-2399, from ve02_05_00 on.
  void GerarMudancaCPF(const TMudancaCPF& pMudancaCPF);
  void GerarMudancaCPF2(const TMudancaCPF2& pMudancaCPF);
  void GerarMudancaCPF3(const TMudancaCPF3& pMudancaCPF);
  void GerarAfastamento(const TAfastamento& pAfastamento);
  void GerarDesligamento(const TDesligamento& pDesligamento);
  void GerarCessao(const Tcessao& pCessao);

  // The groups the events of a worker without bond share (S-2300, S-2306;
  // event_writers_non_employee.cpp).
  // A required category code under Tag ("codCateg", "categOrig"): 0 is not informed and goes
  // out empty, with its alert.
  void GerarCategoria(const std::string& Tag, int Codigo);
  // ideTrabSemVinculo (S-2306, S-2399): cpfTrab; matricula from S-1.0, nisTrab up to 2.5;
  // codCateg up to 2.5 or, from S-1.0, when there is no matricula.
  void GerarIdeTrabSemVinculo(const TideTrabSemVinc& pIdeTrabSemVinc);
  // cargoFuncao with the fields of the layout (the S-1 names and CBO codes, or the 2.x codes);
  // nothing when none of them is given.
  void GerarCargoFuncao(const TcargoFuncao& pCargoFuncao);
  // infoEstagiario when its end date, its area, its policy or the CNPJ or name of its school,
  // agent or supervisor is set (a required one left out goes out empty with its alert). The
  // school's name and address go with it up to 2.5 and, in the S-1 layouts, for a school
  // without CNPJ.
  void GerarInfoEstagiario(const TinfoEstagiario& pInfoEstagiario);
  // tpRegPrev of the group Grupo (infoDirigenteSindical, infoTrabCedido or infoMandElet),
  // required: rpNenhum goes out empty with its alert, and "4" where the layout's list for that
  // group lacks it is written with the alert of a code outside the layout.
  void GerarTpRegPrevSemVinculo(const std::string& Grupo, tpTpRegPrev TpRegPrev);

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
  // Every change of XML goes through here.
  void GuardarXML(std::string Value);

  std::string FXMLAssinado;
  std::string FXMLOriginal;
  std::string FAlertas;
  std::string FErroValidacao;
  std::string FErroValidacaoCompleto;
  TVersaoeSocial FVersaoDF = ve02_04_01;
  dfe::TGerador FGerador;
  std::string FXML;
  std::uint64_t FVersaoXML;
  TTrivoeSocial& FTrivoeSocial;
};

}  // namespace esocial
