// Writers of the XML groups that several events share. Each writes into the event's Gerador,
// choosing its fields by the event's VersaoDF; none raises for bad data (the writer turns
// sizes, missing values and long lists into alerts).
#include <string>

#include "dfe/field_conversions.h"
#include "esocial/event_base.h"
#include "esocial/event_writers_internal.h"
#include "esocial/trivo_esocial.h"
#include "platform/strings.h"
#include "platform/text_utils.h"

namespace esocial {

using dfe::tcStr;

void TeSocialEvento::GerarIdeEvento(const TIdeEvento& pEvt, bool GeraGrupo) {
  if (GeraGrupo) Gerador().wGrupo("ideEvento");
  Gerador().wCampo(tcStr, "", "tpAmb", 1, 1, 1, dfe::TipoAmbienteToStr(Configuracoes().WebServices->Ambiente()));
  Gerador().wCampo(tcStr, "", "procEmi", 1, 1, 1, ProcEmiToStr(pEvt.ProcEmi));
  Gerador().wCampo(tcStr, "", "verProc", 1, 20, 1, pEvt.VerProc);
  if (GeraGrupo) Gerador().wGrupo("/ideEvento");
}

void TeSocialEvento::GerarIdeEvento2(const TIdeEvento2& pEvt, bool GeraGrupo, bool GeraRetif, bool GeraGuia) {
  if (GeraGrupo) Gerador().wGrupo("ideEvento");
  if (GeraRetif) Gerador().wCampo(tcStr, "", "indRetif", 1, 1, 1, IndRetificacaoToStr(pEvt.indRetif));
  if (IndRetificacaoToStr(pEvt.indRetif) == "2") Gerador().wCampo(tcStr, "", "nrRecibo", 1, 40, 0, pEvt.NrRecibo);
  GerarIndGuia(pEvt.indGuia, GeraGuia);
  if (GeraGrupo) {
    GerarIdeEvento(pEvt, false);
    Gerador().wGrupo("/ideEvento");
  }
}

void TeSocialEvento::GerarIdeEvento3(const TIdeEvento3& pEvt, bool GeraRetif, bool GeraIndApuracao, bool GeraGuia) {
  Gerador().wGrupo("ideEvento");
  GerarIdeEvento2(pEvt, false, GeraRetif, false);
  GerarApuracao(pEvt.IndApuracao, pEvt.perApur, pEvt.indGuia, GeraIndApuracao, GeraGuia);
  GerarIdeEvento(pEvt, false);
  Gerador().wGrupo("/ideEvento");
}

void TeSocialEvento::GerarIdeEvento4(const TIdeEvento4& pEvt, bool GeraIndApuracao, bool GeraGuia) {
  Gerador().wGrupo("ideEvento");
  GerarApuracao(pEvt.IndApuracao, pEvt.perApur, pEvt.indGuia, GeraIndApuracao, GeraGuia);
  GerarIdeEvento(pEvt, false);
  Gerador().wGrupo("/ideEvento");
}

void TeSocialEvento::GerarApuracao(tpIndApuracao IndApuracao, const std::string& perApur, const std::string& indGuia,
                                   bool GeraIndApuracao, bool GeraGuia) {
  if (GeraIndApuracao) Gerador().wCampo(tcStr, "", "indApuracao", 1, 1, 1, IndApuracaoToStr(IndApuracao));
  Gerador().wCampo(tcStr, "", "perApur", GeraIndApuracao ? MinimoPerApur(VersaoDF()) : 7, 7, 1, perApur);
  GerarIndGuia(indGuia, GeraGuia);
}

void TeSocialEvento::GerarIndGuia(const std::string& indGuia, bool GeraGuia) {
  if (GeraGuia && VersaoDF() >= veS01_00_00 && !indGuia.empty())
    Gerador().wCampo(tcStr, "", "indGuia", 1, 1, 0, indGuia);
}

void TeSocialEvento::GerarIdeEmpregador(const TIdeEmpregador& pEmp) {
  Gerador().wGrupo("ideEmpregador");
  Gerador().wCampo(tcStr, "", "tpInsc", 1, 1, 1, TpInscToStr(pEmp.TpInsc));
  const TEmpregador tipo = Configuracoes().Geral->TipoEmpregador();
  if (tipo == tePessoaJuridica || tipo == teOrgaoPublico)
    Gerador().wCampo(tcStr, "", "nrInsc", 8, 8, 1, platform::Copy(pEmp.NrInsc, 1, 8));
  else  // a whole CNPJ or a CPF
    Gerador().wCampo(tcStr, "", "nrInsc", 11, 14, 1, pEmp.NrInsc);
  Gerador().wGrupo("/ideEmpregador");
}

void TeSocialEvento::GerarIdePeriodo(const TIdePeriodo& pIdePeriodo, const std::string& GroupName) {
  Gerador().wGrupo(GroupName);
  Gerador().wCampo(tcStr, "", "iniValid", 7, 7, 1, pIdePeriodo.IniValid);
  Gerador().wCampo(tcStr, "", "fimValid", 7, 7, 0, pIdePeriodo.FimValid);
  Gerador().wGrupo("/" + GroupName);
}

namespace {

// Any value but alteration and exclusion opens the inclusion group.
std::string GrupoModoLancamento(TModoLancamento modo) {
  return ModoLancamentoToStr(modo == mlAlteracao || modo == mlExclusao ? modo : mlInclusao);
}

}  // namespace

void TeSocialEvento::AbrirGrupoModoLancamento(TModoLancamento pModoLancamento) {
  Gerador().wGrupo(GrupoModoLancamento(pModoLancamento));
}

void TeSocialEvento::FecharGrupoModoLancamento(TModoLancamento pModoLancamento) {
  Gerador().wGrupo("/" + GrupoModoLancamento(pModoLancamento));
}

void TeSocialEvento::AlertarLimiteLista(const std::string& Tag, const std::string& Descricao, int Quantidade,
                                        int Maximo) {
  if (Quantidade > Maximo)
    Gerador().wAlerta("", Tag, Descricao,
                      "Número de ocorrências maior que o máximo permitido - Máximo " + std::to_string(Maximo));
}

void TeSocialEvento::AlertarCodigoForaDoLeiaute(const std::string& Tag) {
  Gerador().wAlerta("", Tag, "", "Conteúdo inválido");
}

void TeSocialEvento::wCampoTamanhos(const std::string& Tag, std::initializer_list<int> Tamanhos, int Ocorrencias,
                                    const std::string& Valor) {
  // The minimum is the first allowed length the value does not pass: a length between two
  // allowed ones falls short of it, one past the last exceeds the maximum.
  const auto tamanho = static_cast<int>(platform::Utf8Length(platform::Trim(Valor)));
  int minimo = *(Tamanhos.end() - 1);
  for (int t : Tamanhos)
    if (t >= tamanho) {
      minimo = t;
      break;
    }
  Gerador().wCampo(tcStr, "", Tag, minimo, *(Tamanhos.end() - 1), Ocorrencias, Valor);
}

}  // namespace esocial
