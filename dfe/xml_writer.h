#pragma once
// The XML writer: documents are built as one growing text, element by element, in the
// order the caller writes them. Each field is formatted by its TpcnTipoCampo and checked
// against its sizes and occurrence; breaches become alert lines, never exceptions.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dfe/field_conversions.h"
#include "platform/date_time.h"
#include "platform/variant.h"

namespace dfe {

enum TpcnFormatoGravacao : int { fgXML, fgTXT };

// The default pattern of an alert line; the configuration falls back to it too.
inline constexpr char kFormatoAlertaPadrao[] = "TAG:%TAGNIVEL% ID:%ID%/%TAG%(%DESCRICAO%) - %MSG%.";

struct TGeradorOpcoes {
  char DecimalChar = '.';
  bool SomenteValidar = false;  // run the checks and alerts but write nothing
  bool IdentarXML = false;
  bool RetirarEspacos = true;
  bool RetirarAcentos = true;
  int NivelIdentacao = 0;
  int TamanhoIdentacao = 3;
  bool SuprimirDecimais = false;
  bool TagVaziaNoFormatoResumido = true;
  std::string FormatoAlerta = kFormatoAlertaPadrao;
  std::string QuebraLinha;  // what a line break inside filtered text becomes
};

// The attributes of an element whose data are its attributes, in the order they are added: each
// a blank, its name, "=" and its value in double quotes.
class TAtributos {
 public:
  // Texts are filtered with these options, as element text is.
  explicit TAtributos(const TGeradorOpcoes& Opcoes) : FOpcoes(Opcoes) {}

  // Accents removed when the options say so; "&", "<", ">" and the double quote written as
  // references.
  TAtributos& Texto(std::string_view Nome, std::string_view Valor);
  // Casas decimals, "." as separator whatever the locale, no digit grouping.
  TAtributos& Valor(std::string_view Nome, double Valor, int Casas = 2);
  // yyyy-mm-dd; a value that is no date raises the conversion error.
  TAtributos& Data(std::string_view Nome, platform::TDateTime Valor);
  TAtributos& Inteiro(std::string_view Nome, std::int64_t Valor);

  const std::string& Conteudo() const { return FConteudo; }

 private:
  TAtributos& Acrescentar(std::string_view Nome, const std::string& Valor);

  const TGeradorOpcoes& FOpcoes;
  std::string FConteudo;
};

class TGerador {
 public:
  std::string ArquivoFormatoXML;
  std::string ArquivoFormatoTXT;              // fixed-layout output, lines ended by CR
  std::vector<std::string> LayoutArquivoTXT;  // its template; empty unless a caller fills it
  std::vector<std::string> ListaDeAlertas;
  std::string IDNivel;
  TGeradorOpcoes Opcoes;
  std::string Prefixo;  // namespace prefix put before every element name

  // An opening TAG (attributes may follow the name) or a closing one ("/" + name).
  void wGrupo(std::string_view TAG, std::string_view ID = "", bool Identar = true);
  // ocorrencias: negative suppresses the field, 0 optional, 1 required (written empty and
  // reported when empty), above 1 optional without the report.
  void wCampo(TpcnTipoCampo Tipo, std::string_view ID, std::string_view TAG, int min, int max, int ocorrencias,
              const platform::Variant& valor, std::string_view Descricao = "", bool ParseTextoXML = true,
              std::string_view Atributo = "");
  // An element whose data are attributes. wGrupoAtributos opens it: its children and its closing
  // wGrupo("/" + TAG) follow. wElementoAtributos writes one without children, opened and closed
  // on one line with or without indentation, so that an element of empty content stays valid.
  void wGrupoAtributos(std::string_view TAG, const TAtributos& Atributos);
  void wElementoAtributos(std::string_view TAG, const TAtributos& Atributos);
  void wCampoCNPJCPF(std::string_view ID1, std::string_view ID2, std::string_view CNPJCPF, bool obrigatorio = true,
                     bool PreencheZeros = true);
  void wCampoCNPJ(std::string_view ID, std::string_view CNPJ, int cPais = 1058, bool obrigatorio = true);
  void wCampoCPF(std::string_view ID, std::string_view CPF, int cPais = 1058, bool obrigatorio = true);
  void wAlerta(std::string_view ID, std::string_view TAG, std::string_view Descricao, std::string_view Alerta);
  void wTexto(std::string_view Texto) { ArquivoFormatoXML += Texto; }

  void gtNivel(std::string_view ID);
  void gtCampo(std::string_view Tag, std::string_view ConteudoProcessado);
  void gtAjustarRegistros(std::string_view ID);

  // Writes the chosen text and a line break; file errors raise std::runtime_error.
  bool SalvarArquivo(const std::string& CaminhoArquivo, TpcnFormatoGravacao FormatoGravacao = fgXML);

  // The path of open groups that alerts show.
  const std::string& TagNivel() const { return FTagNivel; }

 private:
  struct TCampoFormatado;

  std::string Espacos() const;
  // The steps of wCampo: format (alerting on bad content), check sizes and occurrence, write.
  void FormatarCampo(TpcnTipoCampo Tipo, const std::string& id, const std::string& tag, int ocorrencias,
                     const platform::Variant& valor, std::string_view Descricao, TCampoFormatado& campo);
  void FormatarDecimal(int casas, const std::string& id, const std::string& tag, int ocorrencias,
                       const platform::Variant& valor, std::string_view Descricao, TCampoFormatado& campo);
  std::string AlertaDeTamanho(const TCampoFormatado& campo, int ocorrencias, const platform::Variant& valor) const;
  void EscreverCampo(const std::string& tag, const std::string& atributo, const TCampoFormatado& campo, int ocorrencias,
                     bool ParseTextoXML);
  // A Brazilian tax number of fixed size; other countries get an empty required element.
  void wCampoDocumento(std::string_view ID, std::string_view TAG, int tamanho, std::string_view Descricao,
                       std::string_view numero, int cPais, bool obrigatorio, bool (*valido)(std::string_view));
  std::string FTagNivel;
};

// The text filter of field contents: accents, entities, blanks, line breaks, trim.
std::string PrepararTextoParaXml(std::string_view Texto, bool RetirarEspacos, bool RetirarAcentos,
                                 std::string_view QuebraLinha);
// Entity and CDATA decoding of field contents and attribute values read back.
std::string DecodificarConteudoXml(std::string_view Texto);

}  // namespace dfe
