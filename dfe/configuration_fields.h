#pragma once
// The settings of a configuration group, listed once and walked three ways: Assign copies them
// from another group, GravarIni writes them to an INI, LerIni reads them back. A group lists
// each setting as
//   v(section, key, form, value, setter)          or, when the INI sees it through a getter,
//   v(section, key, form, value, setter, iniValue)
// and the settings that are copied but not stored as v.Copia(value, setter). A value is a
// field, a getter or a function of the group; a setter is a member, a function of the group and
// the value, or nullptr to set the field itself.
#include <cstdint>
#include <string>
#include <type_traits>
#include <utility>

#include "dfe/configuration.h"
#include "platform/base64.h"
#include "platform/ini.h"
#include "platform/xor_cipher.h"

namespace dfe::campos {

// Two fixed sections, and the component's own (SessaoIni), whose keys are written and read only
// while it is named.
enum class TSecao { DFe, Proxy, Sessao };

// The forms of a value in the INI.
struct TBool {};
struct TTexto {};
struct TInteiro {};  // any integer or enumeration, taken as read
template <class E>
struct TOrdinal {  // an enumeration, kept only when the number read names one of its values
  E Ultimo;
};
template <class K>
struct TBase64 {  // bytes masked by the cyclic XOR with the key the group gives, in Base64
  K Chave;
};

template <class F>
inline constexpr bool kNumero = std::is_same_v<F, TInteiro>;
template <class E>
inline constexpr bool kNumero<TOrdinal<E>> = true;

inline constexpr TBool Bool{};
inline constexpr TTexto Texto{};
inline constexpr TInteiro Inteiro{};
template <class E>
constexpr TOrdinal<E> Ordinal(E ultimo) {
  return {ultimo};
}
template <class K>
constexpr TBase64<K> Base64(K chave) {
  return {chave};
}

template <class G, class A>
decltype(auto) Valor(G& g, A valor) {
  if constexpr (std::is_member_object_pointer_v<A>)
    return (g.*valor);
  else if constexpr (std::is_member_function_pointer_v<A>)
    return (g.*valor)();
  else
    return valor(g);
}

template <class G, class A, class S, class T>
void Definir(G& g, A valor, S setter, T&& novo) {
  if constexpr (std::is_null_pointer_v<S>)
    Valor(g, valor) = std::forward<T>(novo);
  else if constexpr (std::is_member_function_pointer_v<S>)
    (g.*setter)(std::forward<T>(novo));
  else
    setter(g, std::forward<T>(novo));
}

// The section's name; empty for the component's own while it has none.
inline const std::string& NomeSecao(const TConfiguracoes& c, TSecao s) {
  static const std::string kDFe = "DFe", kProxy = "Proxy";
  return s == TSecao::DFe ? kDFe : s == TSecao::Proxy ? kProxy : c.SessaoIni;
}

// Assign: every setting of the other group, through the setter.
template <class G>
class TCopia {
 public:
  TCopia(G& destino, const G& origem) : FDestino(destino), FOrigem(origem) {}
  template <class F, class A, class S, class I = A>
  void operator()(TSecao, const char*, F, A valor, S setter, I = {}) {
    Copia(valor, setter);
  }
  template <class A, class S>
  void Copia(A valor, S setter) {
    Definir(FDestino, valor, setter, Valor(FOrigem, valor));
  }

 private:
  G& FDestino;
  const G& FOrigem;
};

// GravarIni: every stored setting, as the INI value getter gives it.
template <class G>
class TGravacao {
 public:
  TGravacao(G& grupo, platform::TIniFile& ini) : FGrupo(grupo), FIni(ini) {}
  template <class F, class A, class S>
  void operator()(TSecao s, const char* chave, F forma, A valor, S setter) {
    (*this)(s, chave, forma, valor, setter, valor);
  }
  template <class F, class A, class S, class I>
  void operator()(TSecao s, const char* chave, F forma, A, S, I valorIni) {
    const std::string& secao = NomeSecao(FGrupo.Configuracoes(), s);
    if (secao.empty()) return;
    const auto& v = Valor(FGrupo, valorIni);
    if constexpr (std::is_same_v<F, TBool>)
      FIni.WriteBool(secao, chave, v);
    else if constexpr (std::is_same_v<F, TTexto>)
      FIni.WriteString(secao, chave, v);
    else if constexpr (kNumero<F>)
      FIni.WriteInteger(secao, chave, static_cast<std::int64_t>(v));
    else
      FIni.WriteString(secao, chave, platform::Base64Encode(platform::XorComChaveCiclica(v, forma.Chave(FGrupo))));
  }
  template <class A, class S>
  void Copia(A, S) {}

 private:
  G& FGrupo;
  platform::TIniFile& FIni;
};

// LerIni: every stored setting through the setter, the current value (as the INI value getter
// gives it) standing for a missing key.
template <class G>
class TLeitura {
 public:
  TLeitura(G& grupo, const platform::TIniFile& ini) : FGrupo(grupo), FIni(ini) {}
  template <class F, class A, class S>
  void operator()(TSecao s, const char* chave, F forma, A valor, S setter) {
    (*this)(s, chave, forma, valor, setter, valor);
  }
  template <class F, class A, class S, class I>
  void operator()(TSecao s, const char* chave, F forma, A valor, S setter, I valorIni) {
    const std::string& secao = NomeSecao(FGrupo.Configuracoes(), s);
    if (secao.empty()) return;
    using T = std::remove_cvref_t<decltype(Valor(FGrupo, valor))>;
    if constexpr (std::is_same_v<F, TBool>) {
      Definir(FGrupo, valor, setter, FIni.ReadBool(secao, chave, Valor(FGrupo, valorIni)));
    } else if constexpr (std::is_same_v<F, TTexto>) {
      Definir(FGrupo, valor, setter, FIni.ReadString(secao, chave, Valor(FGrupo, valorIni)));
    } else if constexpr (std::is_same_v<F, TInteiro>) {
      Definir(FGrupo, valor, setter, static_cast<T>(FIni.ReadInteger(secao, chave, Valor(FGrupo, valorIni))));
    } else if constexpr (kNumero<F>) {
      const T atual = Valor(FGrupo, valorIni);
      const std::int64_t lido = FIni.ReadInteger(secao, chave, static_cast<int>(atual));
      Definir(FGrupo, valor, setter, lido >= 0 && lido <= forma.Ultimo ? static_cast<T>(lido) : atual);
    } else {
      if (!FIni.ValueExists(secao, chave)) return;
      if (auto bytes = platform::Base64Decode(FIni.ReadString(secao, chave, "")))
        Definir(FGrupo, valor, setter, platform::XorComChaveCiclica(*bytes, forma.Chave(FGrupo)));
    }
  }
  template <class A, class S>
  void Copia(A, S) {}

 private:
  G& FGrupo;
  const platform::TIniFile& FIni;
};

}  // namespace dfe::campos
