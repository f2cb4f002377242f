#include "dfe/xml_reader.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
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

// What may stand between a tag's name and its attributes.
bool IsTagBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

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

std::size_t TBuscaAdiante::Proximo(std::string_view Texto, std::size_t De) {
  if (FDe != std::string_view::npos && De >= FDe && (FAchado == std::string_view::npos || FAchado >= De))
    return FAchado;
  FDe = De;
  std::size_t p = Texto.find(FPadrao, De);
  while (FComBranco && p != std::string_view::npos) {
    const std::size_t depois = p + FPadrao.size();
    if (depois < Texto.size() && IsTagBlank(Texto[depois])) break;
    p = Texto.find(FPadrao, p + 1);
  }
  FAchado = p;
  return p;
}

std::string_view TLeitor::TNivel::Vista() const {
  return Texto ? std::string_view(*Texto).substr(Inicio, Fim - Inicio) : std::string_view();
}

TLeitor::TNivel TLeitor::Fonte(int nivel, bool Copiar) const {
  if (nivel < 1 || nivel >= kNiveis)
    throw ETrivoException("Nível de leitura inválido: " + std::to_string(nivel) + " (os níveis vão de 1 a " +
                          std::to_string(kNiveis - 1) + ")");
  if (nivel > 1) return FNivel[static_cast<std::size_t>(nivel - 1)];
  TNivel fonte;
  // Within one call Arquivo itself is searched; a walk that outlives the call keeps a copy.
  fonte.Texto = Copiar ? std::make_shared<const std::string>(Arquivo)
                       : std::shared_ptr<const std::string>(std::shared_ptr<const std::string>(), &Arquivo);
  fonte.Fim = Arquivo.size();
  return fonte;
}

TLeitor::TPercurso TLeitor::Percurso(int nivel, std::string_view TagInicio, std::string_view TagFim,
                                     bool Copiar) const {
  TPercurso p;
  p.FNivel = nivel;
  p.FFonte = Fonte(nivel, Copiar);
  p.FInicio = Trim(TagInicio);
  p.FFim = Trim(TagFim);
  if (p.FFim.empty()) p.FFim = p.FInicio;
  p.FFimTag = TBuscaAdiante("</" + p.FFim + ">");
  p.FFimTagNs = TBuscaAdiante("</" + p.FFim + ":");
  p.FAbre = TBuscaAdiante("<" + p.FInicio + ">");
  p.FAbreComAtributos = TBuscaAdiante("<" + p.FInicio, true);
  p.FAbreNs = TBuscaAdiante("<" + p.FInicio + ":");
  return p;
}

TLeitor::TPercurso TLeitor::rPercorre(int nivel, std::string_view TagInicio, std::string_view TagFim) {
  return Percurso(nivel, TagInicio, TagFim, true);
}

bool TLeitor::Proximo(TPercurso& P, std::size_t& Inicio, std::size_t& Fim) {
  const std::string_view v = P.FFonte.Vista();
  const std::size_t n = v.size(), npos = std::string_view::npos;
  const std::size_t lenFim = P.FFim.size(), lenFimTag = lenFim + 3;
  const std::size_t c = P.FCursor;
  if (c >= n) return false;
  // The part searched for the start tag runs through the first end tag and one character more.
  std::size_t fim = P.FFimTag.Proximo(v, c);
  if (fim == npos) fim = P.FFimTagNs.Proximo(v, c);
  const std::size_t limite = std::min(n, fim == npos ? c + lenFim + 3 : fim + lenFimTag + 1);
  auto cabe = [&](std::size_t p, std::size_t tamanho) { return p != npos && p + tamanho <= limite; };

  // The next item is looked for after the first end tag (without one, after the tag's length),
  // and never inside this one.
  const std::size_t proximoFim = P.FFimTag.Proximo(v, c);
  P.FCursor = proximoFim == npos ? c + lenFim + 2 : proximoFim + lenFimTag;

  std::size_t q = P.FAbre.Proximo(v, c);
  if (!cabe(q, P.FAbre.Padrao().size())) {
    q = P.FAbreComAtributos.Proximo(v, c);
    if (!cabe(q, P.FAbreComAtributos.Padrao().size() + 1)) {
      q = P.FAbreNs.Proximo(v, c);
      if (!cabe(q, P.FAbreNs.Padrao().size())) return false;
    }
  }
  // The element runs through its first end tag; without one, the tag's length.
  std::size_t e = P.FFimTag.Proximo(v, q);
  if (!cabe(e, lenFimTag)) e = P.FFimTagNs.Proximo(v, q);
  const bool comFim = cabe(e, lenFimTag);
  Inicio = q;
  Fim = std::min(limite, q + (comFim ? e - q + lenFimTag : lenFim + 2));
  if (comFim) P.FCursor = std::max(P.FCursor, Fim);
  while (Fim > Inicio && static_cast<unsigned char>(v[Fim - 1]) <= ' ') --Fim;
  return true;
}

std::string TLeitor::Guardar(int nivel, const TNivel& Fonte, std::size_t Inicio, std::size_t Fim) {
  TNivel& nivelGuardado = FNivel[static_cast<std::size_t>(nivel)];
  const std::size_t base = Fonte.Inicio;
  if (Fonte.Texto.get() == &Arquivo) {
    nivelGuardado.Texto = std::make_shared<const std::string>(Arquivo.substr(base + Inicio, Fim - Inicio));
    nivelGuardado.Deslocamento = base + Inicio;
    nivelGuardado.Inicio = 0;
    nivelGuardado.Fim = Fim - Inicio;
  } else {
    nivelGuardado = {Fonte.Texto, Fonte.Deslocamento, base + Inicio, base + Fim};
  }
  Grupo = std::string(nivelGuardado.Vista());
  return Grupo;
}

std::string TLeitor::rExtrai(int nivel, std::string_view TagInicio, std::string_view TagFim, int item) {
  TPercurso p = Percurso(nivel, TagInicio, TagFim, false);
  Grupo.clear();
  std::size_t i = 0, f = 0;
  const std::size_t n = p.FFonte.Vista().size();
  for (int k = 1; k < item && p.FCursor < n; ++k) Proximo(p, i, f);
  if (!Proximo(p, i, f)) return {};
  return Guardar(nivel, p.FFonte, i, f);
}

std::string TLeitor::rExtraiProximo(TPercurso& Percurso) {
  std::size_t i = 0, f = 0;
  if (Percurso.FAcabou || !Proximo(Percurso, i, f)) {
    Percurso.FAcabou = true;
    Grupo.clear();
    return {};
  }
  return Guardar(Percurso.FNivel, Percurso.FFonte, i, f);
}

std::size_t TLeitor::PosicaoNivel(int nivel) const {
  if (nivel < 1 || nivel >= kNiveis) return std::string::npos;
  const TNivel& n = FNivel[static_cast<std::size_t>(nivel)];
  return n.Texto ? n.Deslocamento + n.Inicio : std::string::npos;
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
