#include "esocial/totalizers/totalizer_frame.h"

#include "esocial/records_identification.h"
#include "esocial/replies_records.h"

namespace esocial::totalizers {

namespace {

// The version text right behind the namespace path: up to 16 characters, cut before the
// quote that closes the namespace. A path that is absent, or a namespace in single quotes,
// gives a text that no version has.
std::string TextoVersao(const std::string& xml, const std::string& caminho) {
  const std::size_t p = xml.find(caminho);
  const std::size_t inicio = p == std::string::npos ? caminho.size() - 1 : p + caminho.size();
  if (inicio >= xml.size()) return {};
  const std::string v = xml.substr(inicio, 16);
  const std::size_t aspas = v.find('"');
  return aspas == std::string::npos ? std::string() : v.substr(0, aspas);
}

}  // namespace

TConteudoTotalizador::TConteudoTotalizador(std::string_view Raiz, bool ComVersao)
    : FRaiz(Raiz), FComVersao(ComVersao) {}

bool TConteudoTotalizador::LerXML() {
  return LerSemExcecao([&] {
    FXML = FLeitor.Arquivo;
    if (FComVersao) FVersaoDF = StrToVersaoeSocial(TextoVersao(FXML, "/evt/" + FRaiz + "/"));
    TLeituraTags x(FLeitor);
    if (!x.Grupo(1, FRaiz)) return false;
    FId = x.Atributo("Id=");
    LerGrupos(x);
    return true;
  });
}

void LerIdeEvento(const TLeituraTags& x, TIdeEvento5& IdeEvento) {
  if (!x.Grupo(2, "ideEvento")) return;
  IdeEvento.nrRecArqBase = x.Texto("nrRecArqBase");
  IdeEvento.IndApuracao = x.Codigo("IndApuracao", StrToIndApuracao);
  IdeEvento.perApur = x.Texto("perApur");
}

void LerIdeEmpregador(const TLeituraTags& x, TIdeEmpregador& IdeEmpregador) {
  if (x.Grupo(2, "ideEmpregador")) LerInscricao(x, IdeEmpregador);
}

void AtribuirXml(TConteudoTotalizador& Conteudo, const std::string& Value) {
  if (Value == Conteudo.XML()) return;
  Conteudo.Leitor().Arquivo = Value;
  Conteudo.LerXML();
}

}  // namespace esocial::totalizers
