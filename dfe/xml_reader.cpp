#include "dfe/xml_reader.h"

#include <cmath>
#include <limits>
#include <sstream>
#include <stdexcept>

#include "dfe/exceptions.h"
#include "dfe/xml_writer.h"
#include "platform/convert_error.h"
#include "platform/date_text.h"
#include "platform/number_text.h"
#include "platform/strings.h"
#include "platform/text_file.h"
#include "platform/text_utils.h"

namespace dfe {

using platform::Copy;
using platform::Pos;
using platform::Trim;
using platform::UpperCase;
using platform::Variant;

namespace {

constexpr long long kRest = std::numeric_limits<long long>::max();

long long Signed(std::size_t v) { return static_cast<long long>(v); }

// Position of the first of the texts that occurs in s, 0 when none does.
std::size_t FirstOf(std::string_view s, std::initializer_list<std::string> texts) {
  for (const auto& t : texts)
    if (auto p = Pos(t, s)) return p;
  return 0;
}

// Position of the first "<" + name followed by a blank, tab, CR or LF (a start tag whose
// attributes may begin on the next line); 0 when there is none.
std::size_t StartTagWithAttributes(std::string_view s, const std::string& name) {
  const std::string open = "<" + name;
  for (std::size_t p = s.find(open); p != std::string_view::npos; p = s.find(open, p + 1)) {
    const std::size_t after = p + open.size();
    if (after < s.size() && (s[after] == ' ' || s[after] == '\t' || s[after] == '\r' || s[after] == '\n')) return p + 1;
  }
  return 0;
}

int DatePart(const std::string& c, long long pos, long long len) {
  std::int64_t v;
  if (!platform::TryStrToInt64(Copy(c, pos, len), v) || v < 0 || v > 9999)
    throw platform::EConvertError("'" + c + "' is not a valid date and time");
  return static_cast<int>(v);
}

// Three layouts: yyyy-mm-ddThh:nn:ss (anything after the seconds is ignored),
// dd/mm/yyyy hh:nn:ss and dd/mm/yyyyhh:nn:ss; missing seconds are 0.
double ReadDataHora(const std::string& c) {
  platform::DateTimeParts p;
  long long h, n, s;
  if (c.find('/') == std::string::npos) {
    p.Year = DatePart(c, 1, 4);
    p.Month = DatePart(c, 6, 2);
    p.Day = DatePart(c, 9, 2);
    h = 12, n = 15, s = 18;
  } else {
    p.Day = DatePart(c, 1, 2);
    p.Month = DatePart(c, 4, 2);
    p.Year = DatePart(c, 7, 4);
    char at11 = c.size() >= 11 ? c[10] : '\0';
    if (at11 == 'T' || at11 == ' ')
      h = 12, n = 15, s = 18;
    else
      h = 11, n = 14, s = 17;
  }
  p.Hour = DatePart(c, h, 2);
  p.Minute = DatePart(c, n, 2);
  std::int64_t sec;
  p.Second = platform::TryStrToInt64(Copy(c, s, 2), sec) && sec >= 0 && sec < 100 ? static_cast<int>(sec) : 0;
  double out;
  if (!platform::TryEncodeDateTime(p, out)) throw platform::EConvertError("'" + c + "' is not a valid date and time");
  return out;
}

double ReadDecimal(const std::string& c, int decimals, bool intString) {
  if (!intString) {
    // All separators but the last are digit grouping.
    std::string s = c;
    auto last = s.find_last_of(".,");
    if (last != std::string::npos) {
      std::string cleaned;
      for (std::size_t i = 0; i < s.size(); ++i) {
        if (i == last)
          cleaned += '.';
        else if (s[i] != '.' && s[i] != ',')
          cleaned += s[i];
      }
      s.swap(cleaned);
    }
    double v;
    return platform::TryTextToFloat(s, v) ? v : 0.0;
  }
  std::string digits = c;
  std::string sign;
  if (!digits.empty() && digits[0] == '-') {
    sign = "-";
    digits.erase(0, 1);
  }
  digits = platform::PadLeft(digits, static_cast<std::size_t>(decimals));
  std::string text = sign + digits.substr(0, digits.size() - static_cast<std::size_t>(decimals)) + "." +
                     digits.substr(digits.size() - static_cast<std::size_t>(decimals));
  double v;
  if (!platform::TryTextToFloat(text, v))
    throw platform::EConvertError("'" + c + "' is not a valid floating point value");
  return v;
}

}  // namespace

bool TLeitor::CarregarArquivo(const std::string& CaminhoArquivo) {
  Arquivo = platform::LoadTextFileCrLf(CaminhoArquivo);
  return true;
}

bool TLeitor::CarregarArquivo(std::istream& Stream) {
  std::ostringstream text;
  text << Stream.rdbuf();
  Arquivo = text.str();
  return true;
}

std::string TLeitor::rExtrai(int nivel, std::string_view TagInicio, std::string_view TagFim, int item) {
  if (nivel < 1 || nivel >= kNiveis)
    throw ETrivoException("Nível de leitura inválido: " + std::to_string(nivel) + " (os níveis vão de 1 a " +
                          std::to_string(kNiveis - 1) + ")");
  const std::string inicio = Trim(TagInicio);
  std::string fim = Trim(TagFim);
  FNivel[0] = Arquivo;
  if (fim.empty()) fim = inicio;

  std::string S = FNivel[static_cast<std::size_t>(nivel - 1)];
  std::string result;
  Grupo.clear();

  const std::string endTag = "</" + fim + ">";
  const std::string endTagNs = "</" + fim + ":";
  const long long lenFim = Signed(fim.size());
  for (int i = 1; i < item && !S.empty(); ++i) {
    std::size_t p = Pos(endTag, S);
    S = Copy(S, Signed(p) + lenFim + 3, kRest);
  }

  std::size_t p = FirstOf(S, {endTag, endTagNs});
  S = Copy(S, 1, Signed(p) + lenFim + 3);

  std::size_t q = Pos("<" + inicio + ">", S);
  if (q == 0) q = StartTagWithAttributes(S, inicio);
  if (q == 0) q = Pos("<" + inicio + ":", S);
  if (q == 0) return result;

  S = Copy(S, Signed(q), kRest);
  p = FirstOf(S, {endTag, endTagNs});
  result = platform::TrimRight(Copy(S, 1, Signed(p) + lenFim + 2));

  FNivel[static_cast<std::size_t>(nivel)] = result;
  Grupo = result;
  return result;
}

Variant TLeitor::rCampo(TpcnTipoCampo Tipo, std::string_view TAG, std::string_view TAGparada) {
  const std::string& G = Grupo;
  const std::string GU = UpperCase(G);
  const std::string T = UpperCase(Trim(TAG));
  const std::string parada = UpperCase(Trim(TAGparada));
  const std::string endTag = "</" + T + ">";

  std::size_t ini = Pos("<" + T + ">", GU);
  std::size_t fim;
  if (!parada.empty()) {
    fim = Pos("<" + parada + ">", GU);
    if (fim == 0) fim = ini;
  } else {
    fim = Pos(endTag, GU);
  }

  std::string content;
  if (fim >= ini) {
    std::size_t start;
    if (ini == 0) {
      std::size_t gt = PosLast(">", Copy(G, 1, Signed(fim)));
      start = gt + 1;
    } else {
      start = ini + T.size() + 2;
    }
    std::size_t end = Pos(endTag, GU);
    content = Trim(Copy(G, Signed(start), Signed(end) - Signed(start)));
  }

  if (const int casas = CasasDecimais(Tipo); casas > 0) return ReadDecimal(content, casas, FloatIsIntString);
  if (const TFormatoDataHora* formato = FormatoDataHora(Tipo)) {
    if (content.empty()) return 0;
    // The two date-and-time formats come back as plain numbers; tcDatHor is read in any of
    // its layouts, the others by their pattern.
    if (Tipo == tcDatHor) return ReadDataHora(content);
    const platform::TDateTime lido = platform::TextoParaDataHoraComFormato(content, formato->Formato);
    return Tipo == tcDatHorCFe ? Variant(lido) : Variant::FromDateTime(lido);
  }
  switch (Tipo) {
    case tcStr:
      return DecodificarConteudoXml(content);
    case tcEsp:
      return content;
    case tcInt:
    case tcInt64: {
      // The sign is kept; any other character is dropped.
      std::string digits = platform::SomenteDigitos(content);
      if (!digits.empty() && !content.empty() && content[0] == '-') digits = "-" + digits;
      std::int64_t v = 0;
      if (!platform::TryStrToInt64(digits, v)) v = 0;
      if (Tipo == tcInt &&
          (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max()))
        v = 0;
      return v;
    }
    default:
      break;
  }
  throw std::runtime_error("Tag <" + T + "> com conteúdo inválido. " + content);
}

std::string TLeitor::rCampoCNPJCPF(std::string_view TAGparada) {
  std::string r = rCampo(tcStr, "CNPJ", TAGparada).AsString();
  if (Trim(r).empty()) r = rCampo(tcStr, "CPF", TAGparada).AsString();
  return r;
}

Variant TLeitor::rAtributo(std::string_view Atributo, std::string_view Tag) {
  const std::string atributo = Trim(Atributo);
  if (atributo.empty()) return std::string();
  const std::string tag = Trim(Tag);
  const std::string& G = Grupo;

  auto attributeAt = [&](std::size_t from) -> std::size_t {
    if (!atributo.empty() && atributo.back() == '=') return Pos(atributo, G, from);
    if (auto p = Pos(atributo + "=", G, from)) return p;
    return Pos(atributo + " ", G, from);
  };
  std::size_t t = tag.empty() ? 0 : Pos(tag, G);
  std::size_t a = attributeAt(1);
  if (t > 0 && t > a) a = attributeAt(t);
  if (a == 0) return std::string();

  std::string R = Trim(Copy(G, Signed(a + atributo.size()), kRest));
  std::size_t dq = Pos("\"", R);
  std::size_t ap = Pos("'", R);
  const char* quote = (ap > 0 && (dq == 0 || ap < dq)) || dq == 0 ? "'" : "\"";
  std::size_t q1 = Pos(quote, R);
  if (q1 == 0) return std::string();
  R = Trim(Copy(R, Signed(q1) + 1, kRest));
  std::size_t q2 = Pos(quote, R);
  if (q2 <= 1) return std::string();
  return DecodificarConteudoXml(Copy(R, 1, Signed(q2) - 1));
}

std::size_t TLeitor::PosLast(std::string_view SubStr, std::string_view S) const {
  if (SubStr.empty() || SubStr.size() > S.size()) return 0;
  auto p = S.rfind(SubStr);
  return p == std::string_view::npos ? 0 : p + 1;
}

void TLeitor::GroupStore() { FGroup.push_back(Grupo); }

void TLeitor::GroupRestore(bool ARemoveLast) {
  if (FGroup.empty()) {
    Grupo = Arquivo;
    return;
  }
  Grupo = FGroup.back();
  if (ARemoveLast) FGroup.pop_back();
}

}  // namespace dfe
