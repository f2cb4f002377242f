#pragma once
// The reader under every unit's LerArqIni: event INI input, one section per XML group named
// as the group's element, one key per field named as the element, section and key names
// matched without regard to letter case. A unit reads its own sections and keys with the typed
// reads; the steps all units share are here:
//
//   bool TEvtTabRubrica::LerArqIni(const std::string& AIniString) {
//     TLeitorIniEvento ini(AIniString);
//     ini.LerIdentificacao(*this, "evtTabRubrica");
//     ModoLancamento = ini.ModoLancamento("evtTabRubrica");
//     ini.LerIdeEvento(IdeEvento);
//     ini.LerIdeEmpregador(IdeEmpregador, *this);
//     ... the unit's sections ...
//     return GerarEAtribuirXML(*this);
//   }
#include <concepts>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <limits>
#include <string>
#include <string_view>

#include "esocial/event_types.h"
#include "esocial/layout_enums.h"
#include "esocial/records_identification.h"
#include "platform/date_time.h"
#include "platform/ini.h"

namespace esocial {

class TeSocialEvento;
class TTrabalhador;
class TLocalTrabDom;
class TAprend;
class TInfoContrato;
class TRubricaCollection;
class TInfoRRA;
class TBrasil;
class TExterior;
class TDependenteCollection;
class TVerbasResc;
class TcargoFuncao;
class TRemuneracao;
class TinfoEstagiario;

// The value of a code not informed, for a code list that has none: it converts to the empty
// text, so that a required element goes out empty with its alert and the schema check names it.
template <class E>
inline constexpr E kCodigoNaoInformado = static_cast<E>(-1);

class TLeitorIniEvento {
 public:
  // A text that holds "[", "]" and "=" is INI text; any other text names an INI file. An empty
  // text raises std::runtime_error "String INI informada não é válida.", a missing file
  // "Arquivo: <name> não encontrado.".
  explicit TLeitorIniEvento(const std::string& AIniString);

  const platform::TIniFile& Ini() const { return FIni; }
  bool SecaoExiste(std::string_view Secao) const { return FIni.SectionExists(Secao); }

  std::string Texto(std::string_view Secao, std::string_view Chave, std::string_view Padrao = "") const;
  int Inteiro(std::string_view Secao, std::string_view Chave, int Padrao = 0) const;
  // "." or "," as decimal separator; 0 when empty or not a number.
  double Decimal(std::string_view Secao, std::string_view Chave) const;
  // The same, an absent or empty key giving 0 and any other text that is no number raising as
  // CodigoEstrito does.
  double DecimalEstrito(std::string_view Secao, std::string_view Chave) const;
  // Whether any of the keys holds a text: an optional group's section is read only then.
  bool AlgumaChave(std::string_view Secao, std::initializer_list<std::string_view> Chaves) const;
  // Day, month and year (4 or 2 digits) separated by "/", "-" or "."; "0" or empty is the zero
  // date; any other text raises platform::EConvertError.
  platform::TDateTime Data(std::string_view Secao, std::string_view Chave) const;
  // A layout code read with its default and converted by a StrTo... routine (a code outside
  // its list gives the first value).
  template <class E>
  E Codigo(std::string_view Secao, std::string_view Chave, std::string_view Padrao,
           E (*Converter)(bool&, std::string_view)) const {
    bool ok = false;
    return Converter(ok, Texto(Secao, Chave, Padrao));
  }
  // The same, the key given without a text being Vazio, the value of a code not informed.
  template <class E>
  E Codigo(std::string_view Secao, std::string_view Chave, std::string_view Padrao,
           E (*Converter)(bool&, std::string_view), E Vazio) const {
    const std::string texto = Texto(Secao, Chave, Padrao);
    bool ok = false;
    return texto.empty() ? Vazio : Converter(ok, texto);
  }
  // A layout code that must be in its list: a text outside it raises std::runtime_error naming
  // the section, the key and the text, where Codigo would take the list's first value. An
  // absent key gives Padrao; an empty text gives Vazio.
  template <class E>
  E CodigoEstrito(std::string_view Secao, std::string_view Chave, std::string_view Padrao,
                  E (*Converter)(bool&, std::string_view), E Vazio) const {
    const std::string texto = Texto(Secao, Chave, Padrao);
    if (texto.empty()) return Vazio;
    bool ok = false;
    const E valor = Converter(ok, texto);
    if (!ok) ValorInvalido(Secao, Chave, texto);
    return valor;
  }
  // The same, an empty text being the code not informed: the list's own empty code where it
  // has one (snfNada), else kCodigoNaoInformado, never a code nobody entered.
  template <class E>
  E CodigoEstrito(std::string_view Secao, std::string_view Chave, std::string_view Padrao,
                  E (*Converter)(bool&, std::string_view)) const {
    bool vazioNaLista = false;
    const E vazio = Converter(vazioNaLista, "");
    return CodigoEstrito(Secao, Chave, Padrao, Converter, vazioNaLista ? vazio : kCodigoNaoInformado<E>);
  }
  // An event code ("S-1200"); any other text, an empty one too, raises as CodigoEstrito does.
  TTipoEvento TipoEvento(std::string_view Secao, std::string_view Chave) const;

  // A whole number T can hold; an absent or empty key gives 0, any other text raises as
  // CodigoEstrito does.
  template <std::integral T>
  T InteiroExato(std::string_view Secao, std::string_view Chave) const {
    return static_cast<T>(InteiroNaFaixa(Secao, Chave, std::numeric_limits<T>::min(), std::numeric_limits<T>::max()));
  }

  // The root section: Id (default empty) and Sequencial (default 0).
  void LerIdentificacao(TeSocialEvento& Evento, std::string_view Raiz) const;
  // A table event's mode in the root section: default "inclusao"; another text raises.
  TModoLancamento ModoLancamento(std::string_view Raiz) const;
  // Section ideEvento: procEmi (default "1") and verProc.
  void LerIdeEvento(TIdeEvento& IdeEvento) const;
  // indRetif (default "1") and nrRecibo, indGuia when asked, then the common keys.
  void LerIdeEvento2(TIdeEvento2& IdeEvento, bool LerIndGuia = false) const;
  // indRetif (default "1"), nrRecibo, indApuracao (default "1"), perApur, indGuia when asked,
  // then the common keys.
  void LerIdeEvento3(TIdeEvento3& IdeEvento, bool LerIndGuia) const;
  // indApuracao (default "1"), perApur, indGuia when asked, then the common keys.
  void LerIdeEvento4(TIdeEvento4& IdeEvento, bool LerIndGuia) const;
  // Section ideEmpregador: tpInsc (default "1") and nrInsc; OrgaoPublico, unless the unit
  // keeps it, from the configured employer kind (not from the INI).
  void LerIdeEmpregador(TIdeEmpregador& IdeEmpregador, const TeSocialEvento& Evento,
                        bool DefinirOrgaoPublico = true) const;
  // Section ideVinculo: cpfTrab, nisTrab when asked, matricula, and codCateg (default 0) unless
  // the event leaves it out.
  void LerIdeVinculo(TIdeVinculo& IdeVinculo, bool LerNisTrab = false, bool LerCodCateg = true) const;
  // Section ideTrabSemVinculo: cpfTrab, nisTrab, codCateg (a whole number, 0 when absent) and
  // matricula.
  void LerIdeTrabSemVinculo(TideTrabSemVinc& IdeTrabSemVinc) const;
  // Section ideRespInf (nmResp, cpfResp, telefone, email), read when any of its keys is given.
  void LerIdeRespInf(TIdeRespInf& IdeRespInf) const;

  // The sections of a list: Prefixo followed by 1, 2, 3 ... padded with zeros to Largura
  // digits. For each, the first key Chave is read with the default "FIM"; the list ends at
  // "FIM" or an empty value, or after the last number Largura digits can name. Item receives
  // the number, the section's name and the first key's value. A list inside a list item
  // passes its own group name plus the outer number (NomeSecao) as Prefixo.
  void LerLista(std::string_view Prefixo, int Largura, std::string_view Chave,
                const std::function<void(int Numero, const std::string& Secao, const std::string& Valor)>& Item) const;
  static std::string NomeSecao(std::string_view Prefixo, int Numero, int Largura);
  // The last number Largura digits can name (99 for 2), where a list of such sections stops.
  static int UltimoNumero(int Largura);
  // Raises the error of a value the key cannot take: std::runtime_error
  // "INI: valor inválido em [Secao] Chave: \"Texto\"".
  [[noreturn]] static void ValorInvalido(std::string_view Secao, std::string_view Chave, std::string_view Texto);
  // Whether a list's first key ends the list: "FIM" or an empty value.
  static bool FimDaLista(std::string_view Valor) { return Valor == "FIM" || Valor.empty(); }

  // ---- the payslip lists the periodic events share ----
  // The rubrics of a remuneration, sections Grupo + Posicao followed by 001, 002 ... (first key
  // codRubr): codRubr, ideTabRubr, the decimals qtdRubr, fatorRubr, vrUnit and vrRubr, and
  // indApurIR (not informed when absent); with LerDescFolha, each rubric's discount from section
  // "descFolha" + Posicao of the same number when it exists (a tpDesc outside its list raises).
  void LerItensRemun(std::string_view Posicao, TRubricaCollection& Itens, bool LerDescFolha,
                     std::string_view Grupo = "itensRemun") const;
  // A payslip's RRA from section "infoRRA" + Posicao (qtdMesesRRA a decimal); its costs from
  // section SecaoCustas + Posicao only when one of them is given; its lawyers from sections
  // "ideAdv" + Posicao followed by 01, 02 ..., each while tpInsc or nrInsc is given.
  void LerInfoRRA(std::string_view Posicao, std::string_view SecaoCustas, TInfoRRA& InfoRRA) const;
  // The end of a final payment (S-2299, S-2399): its court cases from sections "procJudTrab"
  // followed by 01, 02 ... (first key tpTrib), and, when indMV is given, infoMV with the other
  // employers' pay from sections "remunOutrEmpr" followed by 001, 002 ... (first key tpInsc).
  // Codes outside their lists raise. VerbasResc gives the group; it is asked for only when one
  // of them is given.
  void LerFimVerbasResc(const std::function<TVerbasResc&()>& VerbasResc) const;

  // ---- what the beneficiary events share ----
  // An address in Brazil (tpLograd, dscLograd, nrLograd, complemento, bairro, cep, codMunic,
  // uf) or abroad (paisResid, dscLograd, nrLograd, complemento, bairro, nmCid, codPostal) from
  // the section Secao.
  void LerEnderecoBrasil(std::string_view Secao, TBrasil& Brasil) const;
  void LerEnderecoExterior(std::string_view Secao, TExterior& Exterior) const;
  // A beneficiary's dependants, sections "dependente" followed by 01, 02 ... (first key nmDep):
  // tpDep, dtNascto, cpfDep, sexoDep, depIRRF, descrDep and the incapacity flag under the key
  // ChaveIncapacidade ("incFisMen" or "incTrab"). A code not given is not informed, one outside
  // its list raises.
  void LerDependentesBeneficiario(TDependenteCollection& Dependentes, std::string_view ChaveIncapacidade) const;

 private:
  void LerApuracao(tpIndApuracao& IndApuracao, std::string& perApur) const;
  std::int64_t InteiroNaFaixa(std::string_view Secao, std::string_view Chave, std::int64_t Minimo,
                              std::int64_t Maximo) const;

  platform::TIniFile FIni;
};

// The last steps of every LerArqIni: GerarXML, then the written text assigned to XML (which
// signs and validates it). Returns true.
bool GerarEAtribuirXML(TeSocialEvento& Evento);

// The worker's personal data of the events that carry them whole: the keys of section Secao
// (cpfTrab, nisTrab, nmTrab, sexo, racaCor, estCiv, grauInstr, nmSoc, ExtrangeiroSN), then the
// sections nascimento, the documents, enderecoBrasil, enderecoExterior, trabEstrangeiro,
// trabImig, infoDeficiencia, dependente01..99, aposentadoria and contato. What only one event
// reads of the worker (indPriEmpr, paisNac) its unit reads itself.
void LerTrabalhadorIni(const TLeitorIniEvento& ini, std::string_view Secao, TTrabalhador& Trabalhador);
// A street address section is read when it names its street, by type or by name.
bool TemLogradouro(const TLeitorIniEvento& ini, std::string_view Secao);
// An inscription section is read when it gives the number, even with the kind left to its
// default.
bool TemInscricao(const TLeitorIniEvento& ini, std::string_view Secao);
// A domestic workplace: the street, number, district, postal code, CodMunic and uf.
void LerLocalDomestico(const TLeitorIniEvento& ini, std::string_view Secao, TLocalTrabDom& Local);
// Section aprend of the events about a CLT contract. Below S-1.02 (the configured version of
// Evento) it is read when tpInsc is given; from S-1.02 on, a direct contract (indAprend "1", the
// default) when cnpjEntQual is given and an indirect one when tpInsc is.
void LerAprendIni(const TLeitorIniEvento& ini, const TeSocialEvento& Evento, TAprend& Aprend);
// The contract of the events that carry it whole, but for its duration, which each reads its
// own way: the keys of section infoContrato, then the sections remuneracao, localTrabGeral,
// localTrabDom, localTempDom, horContratual, horario01..99, filiacaoSindical1..9,
// alvaraJudicial, observacoes01..99 and treiCap01..99. A training code that is not a whole
// number raises platform::EConvertError.
void LerInfoContratoIni(const TLeitorIniEvento& ini, TInfoContrato& Contrato);
// The groups of infoComplementares the events of a worker without bond share, each section
// read when any of its keys is given: cargoFuncao; remuneracao; infoEstagiario, and with it
// instEnsino, ageIntegracao and supervisorEstagio; localTrabGeral. A code outside its list or
// a number that is none raises; a code not given is not informed.
void LerComplementaresSemVinculoIni(const TLeitorIniEvento& ini, TcargoFuncao& CargoFuncao, TRemuneracao& Remuneracao,
                                    TinfoEstagiario& Estagiario, TLocalTrabGeral& LocalTrabGeral);

}  // namespace esocial
