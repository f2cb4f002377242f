#include "dfe/xml_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <set>

#include "platform/files.h"
#include "platform/hex.h"
#include "platform/number_text.h"
#include "platform/strings.h"
#include "platform/tax_numbers.h"
#include "platform/text_encoding.h"
#include "platform/text_utils.h"
#include "platform/xml_text.h"

namespace dfe {

using platform::Copy;
using platform::Pos;
using platform::StringReplace;
using platform::Trim;
using platform::UpperCase;

namespace {

constexpr std::string_view kCRLF = "\r\n";
constexpr std::string_view kDiaeresis = "\xC2\xA8";  // closes a field marker of the text layout

// Zero padding that keeps a minus sign in front.
std::string PadNumber(const std::string& text, int min) {
  if (min <= 0) return text;
  if (!text.empty() && text[0] == '-')
    return "-" + platform::PadLeft(text.substr(1), static_cast<std::size_t>(std::max(min - 1, 0)));
  return platform::PadLeft(text, static_cast<std::size_t>(min));
}

// The lines of a text whose lines end in CR, LF or CR LF.
std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::string cur;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(cur);
      cur.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      cur += c;
    }
  }
  if (!cur.empty()) lines.push_back(cur);
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& l : lines) out += l + "\r";
  return out;
}

bool ReadInteger(const std::string& text, bool is64, std::int64_t& v) {
  if (!platform::TryStrToInt64(platform::TrimLeft(text), v)) return false;
  return is64 || (v >= std::numeric_limits<std::int32_t>::min() && v <= std::numeric_limits<std::int32_t>::max());
}

// With suppressed decimals a value keeps only the decimals it needs: 2.50 gives 2.5, 3.00 gives 3.
std::string DropZeroDecimals(std::string c, char sep) {
  auto p = c.find(sep);
  if (p == std::string::npos) return c;
  while (c.size() > p + 1 && c.back() == '0') c.pop_back();
  if (c.size() == p + 1) c.pop_back();
  return c;
}

}  // namespace

std::string TGerador::Espacos() const {
  long long n = static_cast<long long>(Opcoes.TamanhoIdentacao) * Opcoes.NivelIdentacao;
  return n > 0 ? std::string(static_cast<std::size_t>(n), ' ') : std::string();
}

void TGerador::wGrupo(std::string_view TAG, std::string_view ID, bool Identar) {
  bool closing = !TAG.empty() && TAG[0] == '/';
  std::string T = closing ? "/" + Prefixo + std::string(TAG.substr(1)) : Prefixo + std::string(TAG);

  gtNivel(ID);
  if (Pos("=\"", T) > 0 || Pos("= \"", T) > 0) {
    std::size_t blank = Pos(" ", T);
    std::size_t eq = Pos("=", T, blank + 1);
    std::size_t q1 = Pos("\"", T);
    std::size_t q2 = q1 ? Pos("\"", T, q1 + 1) : 0;
    std::string name =
        blank && eq ? Copy(T, static_cast<long long>(blank) + 1, static_cast<long long>(eq - blank - 1)) : "";
    std::string value = q1 && q2 ? Copy(T, static_cast<long long>(q1) + 1, static_cast<long long>(q2 - q1 - 1)) : "";
    gtCampo(name, value);
  }

  // The path holds element names without their attributes, so the closing tag finds the entry
  // it ends: the innermost open group of that name.
  if (!closing) {
    FTagNivel += "<" + T.substr(0, T.find_first_of(" \t\r\n")) + ">";
  } else {
    std::string rest = T.substr(1);
    if (rest.compare(0, 3, "det") == 0) {
      if (auto p = FTagNivel.find("<det"); p != std::string::npos) FTagNivel.erase(p);
    } else if (auto p = FTagNivel.rfind("<" + rest + ">"); p != std::string::npos) {
      FTagNivel.erase(p, rest.size() + 2);
    }
  }

  if (Identar && closing) --Opcoes.NivelIdentacao;
  if (Opcoes.IdentarXML)
    ArquivoFormatoXML += Espacos() + "<" + T + ">" + std::string(kCRLF);
  else
    ArquivoFormatoXML += "<" + T + ">";
  if (Identar && !closing) ++Opcoes.NivelIdentacao;
}

// A field's content as formatted, whether it counts as empty, and the size limits it is checked
// against (a decimal's grow by its separator).
struct TGerador::TCampoFormatado {
  std::string Conteudo;
  bool Vazio = false;
  int Min = 0, Max = 0;
};

namespace {

void FormatarDataHora(const TFormatoDataHora& formato, const platform::Variant& valor, std::string& conteudo,
                      bool& vazio) {
  const platform::TDateTime dataHora = valor.AsDateTime();
  conteudo = platform::FormatDateTime(formato.Formato, dataHora);
  if (formato.SomenteHora) {
    auto p = platform::DecodeDateTime(dataHora);
    vazio = p.Hour == 0 && p.Minute == 0 && p.Second == 0;
  } else {
    vazio = std::trunc(dataHora) == 0;
  }
}

}  // namespace

void TGerador::wCampo(TpcnTipoCampo Tipo, std::string_view ID, std::string_view TAG, int min, int max, int ocorrencias,
                      const platform::Variant& valor, std::string_view Descricao, bool ParseTextoXML,
                      std::string_view Atributo) {
  if (ocorrencias < 0) return;
  const std::string id = Trim(ID);
  const std::string tag = Prefixo + Trim(TAG);
  TCampoFormatado campo;
  campo.Min = min;
  campo.Max = max;
  FormatarCampo(Tipo, id, tag, ocorrencias, valor, Descricao, campo);
  wAlerta(id, tag, Descricao, AlertaDeTamanho(campo, ocorrencias, valor));
  if (Opcoes.SomenteValidar) return;
  gtCampo(tag, campo.Vazio ? std::string() : campo.Conteudo);
  EscreverCampo(tag, Trim(Atributo), campo, ocorrencias, ParseTextoXML);
}

void TGerador::FormatarCampo(TpcnTipoCampo Tipo, const std::string& id, const std::string& tag, int ocorrencias,
                             const platform::Variant& valor, std::string_view Descricao, TCampoFormatado& campo) {
  std::string& conteudo = campo.Conteudo;
  if (const int casas = CasasDecimais(Tipo); casas > 0)
    return FormatarDecimal(casas, id, tag, ocorrencias, valor, Descricao, campo);
  if (const TFormatoDataHora* formato = FormatoDataHora(Tipo))
    return FormatarDataHora(*formato, valor, conteudo, campo.Vazio);
  switch (Tipo) {
    case tcStr:
      conteudo = Trim(valor.AsString());
      campo.Vazio = conteudo.empty();
      break;
    case tcStrOrig:
      conteudo = valor.AsString();
      campo.Vazio = conteudo.empty();
      break;
    case tcNumStr:
      conteudo = Trim(valor.AsString());
      campo.Vazio = conteudo.empty();
      if (campo.Min > 0) conteudo = platform::PadLeft(conteudo, static_cast<std::size_t>(campo.Min));
      break;
    case tcEsp:
      conteudo = Trim(valor.AsString());
      if (!platform::TemSomenteDigitos(conteudo)) wAlerta(id, tag, Descricao, "Conteúdo inválido");
      campo.Vazio = conteudo.empty();
      break;
    case tcInt:
    case tcInt64: {
      std::int64_t numero;
      conteudo = ReadInteger(valor.AsString(), Tipo == tcInt64, numero) ? std::to_string(numero) : "0";
      campo.Vazio = conteudo == "0" && ocorrencias == 0;
      conteudo = PadNumber(conteudo, campo.Min);
      break;
    }
    case tcBoolStr:
      conteudo = valor.AsBoolean() ? "true" : "false";
      break;
    default:
      break;
  }
}

void TGerador::FormatarDecimal(int casas, const std::string& id, const std::string& tag, int ocorrencias,
                               const platform::Variant& valor, std::string_view Descricao, TCampoFormatado& campo) {
  std::string& conteudo = campo.Conteudo;
  const char separador = Opcoes.DecimalChar;
  if (!Opcoes.SuprimirDecimais) {
    ++campo.Min;
    ++campo.Max;
  }
  double numero = 0;
  bool ok = true;
  try {
    numero = valor.AsFloat();
  } catch (const platform::EConvertError&) {
    ok = false;
  }
  if (!ok || !platform::TryFormatFixed(numero, casas, separador, conteudo)) {
    numero = 0;
    conteudo = "0.00";
  }
  std::size_t p = Pos(std::string_view(&separador, 1), conteudo);
  if (platform::StrToInt64Def(Copy(conteudo, static_cast<long long>(p) + casas + 1, 10), 0) > 0)
    wAlerta(id, tag, Descricao, "Numero máximo de casas decimais permitidas " + std::to_string(casas));
  if (Opcoes.SuprimirDecimais) {
    if (numero == std::trunc(numero))
      platform::TryFormatFixed(numero, 0, separador, conteudo);
    else
      conteudo = DropZeroDecimals(conteudo, separador);
  }
  campo.Vazio = numero == 0 && ocorrencias == 0;
  conteudo = PadNumber(conteudo, campo.Min);
}

std::string TGerador::AlertaDeTamanho(const TCampoFormatado& campo, int ocorrencias,
                                      const platform::Variant& valor) const {
  std::string alerta;
  const auto tamanho = static_cast<long long>(platform::Utf8Length(campo.Conteudo));
  if (ocorrencias == 1 && campo.Vazio && campo.Min > 0)
    alerta = "Nenhum valor informado";
  else if (tamanho < campo.Min && tamanho > 0)
    alerta = "Tamanho menor que o mínimo permitido";
  if (tamanho > campo.Max) alerta = "Tamanho maior que o máximo permitido";
  // A size alert shows the value given.
  if (!alerta.empty() && alerta.find("Nenhum valor informado") == std::string::npos && !campo.Vazio)
    alerta += " [" + valor.AsString() + "]";
  return alerta;
}

void TGerador::EscreverCampo(const std::string& tag, const std::string& atributo, const TCampoFormatado& campo,
                             int ocorrencias, bool ParseTextoXML) {
  const std::string atributos = atributo.empty() ? std::string() : " " + atributo;
  std::string& out = ArquivoFormatoXML;
  if (ocorrencias == 1 && campo.Vazio) {
    // A required field goes out empty.
    if (Opcoes.IdentarXML) {
      out += Espacos();
      out += Opcoes.TagVaziaNoFormatoResumido ? "<" + tag + "/>" : "<" + tag + "></" + tag + ">";
      out += kCRLF;
    } else {
      out +=
          Opcoes.TagVaziaNoFormatoResumido ? "<" + tag + atributos + "/>" : "<" + tag + atributos + "></" + tag + ">";
    }
  } else if (!campo.Vazio) {
    std::string texto = ParseTextoXML ? PrepararTextoParaXml(campo.Conteudo, Opcoes.RetirarEspacos,
                                                             Opcoes.RetirarAcentos, Opcoes.QuebraLinha)
                                      : campo.Conteudo;
    if (Opcoes.IdentarXML) out += Espacos();
    out += "<" + tag + atributos + ">" + texto + "</" + tag + ">";
    if (Opcoes.IdentarXML) out += kCRLF;
  }
}

void TGerador::wGrupoAtributos(std::string_view TAG, const TAtributos& Atributos) {
  wGrupo(std::string(TAG) + Atributos.Conteudo());
}

void TGerador::wElementoAtributos(std::string_view TAG, const TAtributos& Atributos) {
  const std::string T = Prefixo + std::string(TAG);
  if (Opcoes.IdentarXML) ArquivoFormatoXML += Espacos();
  ArquivoFormatoXML += "<" + T + Atributos.Conteudo() + "></" + T + ">";
  if (Opcoes.IdentarXML) ArquivoFormatoXML += kCRLF;
}

TAtributos& TAtributos::Acrescentar(std::string_view Nome, const std::string& Valor) {
  FConteudo += " " + std::string(Nome) + "=\"" + Valor + "\"";
  return *this;
}

TAtributos& TAtributos::Texto(std::string_view Nome, std::string_view Valor) {
  return Acrescentar(Nome,
                     PrepararTextoParaXml(Valor, FOpcoes.RetirarEspacos, FOpcoes.RetirarAcentos, FOpcoes.QuebraLinha));
}

TAtributos& TAtributos::Valor(std::string_view Nome, double Valor, int Casas) {
  std::string texto;
  if (!platform::TryFormatFixed(Valor, Casas, '.', texto)) platform::TryFormatFixed(0, Casas, '.', texto);
  return Acrescentar(Nome, texto);
}

TAtributos& TAtributos::Data(std::string_view Nome, platform::TDateTime Valor) {
  // Through the field conversion, so that a value that is no date raises as in a date element.
  return Acrescentar(Nome, platform::FormatDateTime("yyyy-mm-dd", platform::Variant(Valor).AsDateTime()));
}

TAtributos& TAtributos::Inteiro(std::string_view Nome, std::int64_t Valor) {
  return Acrescentar(Nome, std::to_string(Valor));
}

void TGerador::wCampoCNPJCPF(std::string_view ID1, std::string_view ID2, std::string_view CNPJCPF, bool obrigatorio,
                             bool PreencheZeros) {
  std::string digits = platform::SomenteDigitos(Trim(CNPJCPF));
  std::size_t n = digits.size();
  int occ = obrigatorio ? 1 : 0;
  if (n >= 1 && n <= 11) {
    if (PreencheZeros && n != 11) digits = platform::PadLeft(digits, 11);
    n = digits.size();
    wCampo(tcStr, ID2, "CPF", 0, 11, occ, digits);
    if (!platform::CPFValido(digits)) wAlerta(ID2, "CPF", "CPF", "Conteúdo inválido");
  } else {
    if (PreencheZeros && n != 14 && (obrigatorio || n > 0)) digits = platform::PadLeft(digits, 14);
    n = digits.size();
    wCampo(tcStr, ID1, "CNPJ", 0, 14, occ, digits);
    if (n > 0 && !platform::CNPJValido(digits)) wAlerta(ID1, "CNPJ", "CNPJ", "Conteúdo inválido");
  }
  if (n != 0 && n != 11 && n != 14)
    wAlerta(std::string(ID1) + "-" + std::string(ID2), "CNPJ-CPF", "CNPJ/CPF", "Conteúdo inválido");
}

void TGerador::wCampoCNPJ(std::string_view ID, std::string_view CNPJ, int cPais, bool obrigatorio) {
  wCampoDocumento(ID, "CNPJ", 14, "CNPJ(MF)", CNPJ, cPais, obrigatorio, platform::CNPJValido);
}

void TGerador::wCampoCPF(std::string_view ID, std::string_view CPF, int cPais, bool obrigatorio) {
  wCampoDocumento(ID, "CPF", 11, "CPF", CPF, cPais, obrigatorio, platform::CPFValido);
}

void TGerador::wCampoDocumento(std::string_view ID, std::string_view TAG, int tamanho, std::string_view Descricao,
                               std::string_view numero, int cPais, bool obrigatorio, bool (*valido)(std::string_view)) {
  if (cPais != 1058) {
    wCampo(tcStr, ID, TAG, 0, 0, 1, "");
    return;
  }
  std::string digits = platform::SomenteDigitos(Trim(numero));
  wCampo(tcEsp, ID, TAG, tamanho, tamanho, obrigatorio ? 1 : 0, digits, Descricao);
  if (!valido(digits)) wAlerta(ID, TAG, Descricao, "Conteúdo inválido");
}

void TGerador::wAlerta(std::string_view ID, std::string_view TAG, std::string_view Descricao, std::string_view Alerta) {
  if (Trim(Alerta).empty()) return;
  std::string line = Opcoes.FormatoAlerta;
  line = StringReplace(line, "%TAGNIVEL%", FTagNivel);
  line = StringReplace(line, "%TAG%", TAG);
  line = StringReplace(line, "%ID%", ID);
  line = StringReplace(line, "%MSG%", Alerta);
  line = StringReplace(line, "%DESCRICAO%", Trim(Descricao));
  ListaDeAlertas.push_back(line);
}

void TGerador::gtNivel(std::string_view ID) {
  IDNivel = UpperCase(ID);
  if (LayoutArquivoTXT.empty() || ID.empty()) return;
  const std::string record = "<" + IDNivel + ">";
  for (const auto& line : LayoutArquivoTXT)
    if (UpperCase(line).find(record) != std::string::npos) ArquivoFormatoTXT += line + "\r";
}

void TGerador::gtCampo(std::string_view Tag, std::string_view ConteudoProcessado) {
  if (LayoutArquivoTXT.empty()) return;
  const std::string record = "<" + IDNivel + ">";
  const std::string wanted = "|" + UpperCase(Tag) + std::string(kDiaeresis);
  const std::string marker = "|" + UpperCase(Trim(Tag)) + std::string(kDiaeresis);
  auto lines = SplitLines(ArquivoFormatoTXT);
  for (auto& line : lines) {
    std::string upper = UpperCase(line);
    if (upper.find(record) != std::string::npos && upper.find(wanted) != std::string::npos)
      line = StringReplace(line, marker, "|" + std::string(ConteudoProcessado), false);
  }
  ArquivoFormatoTXT = JoinLines(lines);
}

void TGerador::gtAjustarRegistros(std::string_view ID) {
  if (LayoutArquivoTXT.empty()) return;
  std::set<std::string> layout(LayoutArquivoTXT.begin(), LayoutArquivoTXT.end());
  std::vector<std::string> lines;
  for (auto& line : SplitLines(ArquivoFormatoTXT))
    if (!(layout.count(line) && line.find(kDiaeresis) != std::string::npos)) lines.push_back(line);

  std::vector<std::string> markers;
  for (const auto& l : LayoutArquivoTXT) {
    for (std::size_t bar = l.find('|'); bar != std::string::npos; bar = l.find('|', bar + 1)) {
      auto end = l.find(kDiaeresis, bar + 1);
      auto nextBar = l.find('|', bar + 1);
      if (end == std::string::npos || (nextBar != std::string::npos && nextBar < end)) continue;
      std::string m = l.substr(bar, end + kDiaeresis.size() - bar);
      if (std::find(markers.begin(), markers.end(), m) == markers.end()) markers.push_back(m);
    }
  }

  for (auto& line : lines) {
    if (Pos("^ID^", line) > 1) line = StringReplace(line, "^ID^", ID, false);
    for (const auto& m : markers) line = StringReplace(line, m, "|", false);
    auto gt = line.find('>');
    if (gt == std::string::npos) continue;
    line = Trim(line.substr(gt + 1));
    std::size_t bar = Pos("|", line);
    std::string part = bar ? line.substr(0, bar - 1) : std::string();
    if (platform::Utf8Length(part) > 2 && UpperCase(part) != "NOTA FISCAL" &&
        !(part.back() >= '0' && part.back() <= '9')) {
      char c = part.back();
      if (c >= 'A' && c <= 'Z') line[line.find(c)] = static_cast<char>(c - 'A' + 'a');
    }
  }
  ArquivoFormatoTXT = JoinLines(lines);
}

bool TGerador::SalvarArquivo(const std::string& CaminhoArquivo, TpcnFormatoGravacao FormatoGravacao) {
  const std::string& text = FormatoGravacao == fgXML ? ArquivoFormatoXML : ArquivoFormatoTXT;
  platform::WriteFileAtomically(CaminhoArquivo, text + std::string(kCRLF));
  return true;
}

std::string PrepararTextoParaXml(std::string_view Texto, bool RetirarEspacos, bool RetirarAcentos,
                                 std::string_view QuebraLinha) {
  std::string s =
      platform::EscaparTextoXml(RetirarAcentos ? platform::RemoverAcentos(Texto) : platform::EnsureUtf8(Texto));
  if (RetirarEspacos) {
    std::string out;
    out.reserve(s.size());
    for (char c : s)
      if (!(c == ' ' && !out.empty() && out.back() == ' ')) out += c;
    s.swap(out);
  }
  if (!Trim(s).empty()) {
    s = StringReplace(s, "\r\n", "\n");
    s = StringReplace(s, "\r", "\n");
    if (QuebraLinha != "\n") s = StringReplace(s, "\n", QuebraLinha);
  }
  return Trim(s);
}

std::string DecodificarConteudoXml(std::string_view Texto) {
  std::string s(Texto);
  if (s.find("<![CDATA[") != std::string::npos) {
    s = StringReplace(s, "<![CDATA[", "", false);
    s = StringReplace(s, "]]>", "", false);
    return Trim(s);
  }
  s = StringReplace(s, "&amp;", "&");
  s = StringReplace(s, "&lt;", "<");
  s = StringReplace(s, "&gt;", ">");
  s = StringReplace(s, "&quot;", "\"");
  s = StringReplace(s, "&#39;", "'");
  // References are decoded in one pass, and what a decoding gives is read again: it may hold
  // a reference, or complete one that begins in the two characters before it.
  std::string pendente(s.rbegin(), s.rend());  // what is left to read, last character first
  std::string out;
  out.reserve(s.size());
  auto segue = [&](std::string_view t) {
    if (t.size() > pendente.size()) return false;
    for (std::size_t i = 0; i < t.size(); ++i)
      if (pendente[pendente.size() - 1 - i] != t[i]) return false;
    return true;
  };
  while (!pendente.empty()) {
    if (out.ends_with("&#") && segue("x")) {
      pendente += "#&";
      out.resize(out.size() - 2);
    } else if (out.ends_with("&") && segue("#x")) {
      pendente += '&';
      out.pop_back();
    }
    if (!segue("&#x")) {
      out += pendente.back();
      pendente.pop_back();
      continue;
    }
    pendente.resize(pendente.size() - 3);
    // The digits run up to the next ";" (to the end when there is none).
    std::string digits;
    while (!pendente.empty() && pendente.back() != ';') {
      digits += pendente.back();
      pendente.pop_back();
    }
    if (!pendente.empty()) pendente.pop_back();
    std::string bytes;
    bool valid = digits.size() % 2 == 0;
    for (std::size_t i = 0; valid && i < digits.size(); i += 2) {
      int hi = platform::HexDigitValue(digits[i]), lo = platform::HexDigitValue(digits[i + 1]);
      if (hi < 0 || lo < 0)
        valid = false;
      else
        bytes += static_cast<char>(hi * 16 + lo);
    }
    const std::string decodificado = valid ? platform::EnsureUtf8(bytes) : digits;
    pendente.append(decodificado.rbegin(), decodificado.rend());
  }
  return Trim(out);
}

}  // namespace dfe
