#include "esocial/replies_records.h"

#include "esocial/tag_reading.h"

namespace esocial {

void LerInscricao(const TLeituraTags& x, TInscricao& Inscricao) {
  Inscricao.TpInsc = x.Codigo("tpInsc", StrToTpInsc);
  Inscricao.NrInsc = x.Texto("nrInsc");
}

void LerStatus(const TLeituraTags& x, TStatus& Status) {
  Status.cdResposta = x.Inteiro("cdResposta");
  Status.descResposta = x.Texto("descResposta");
}

void LerOcorrencias(const TLeituraTags& x, int Nivel, TOcorrenciasCollection& Ocorrencias) {
  if (!x.Grupo(Nivel, "ocorrencias")) return;
  x.Lista(Nivel + 1, "ocorrencia", [&] {
    auto& o = Ocorrencias.New();
    o.Codigo = x.Inteiro("codigo");
    o.Descricao = x.Texto("descricao");
    o.Tipo = static_cast<unsigned char>(x.Inteiro("tipo"));
    o.Localizacao = x.Texto("localizacao");
  });
}

void LerDadosRecepcaoLote(const TLeituraTags& x, TDadosRecepcaoLote& Dados) {
  Dados.dhRecepcao = x.DataHora("dhRecepcao");
  Dados.versaoAplicRecepcao = x.Texto("versaoAplicativoRecepcao");
  Dados.Protocolo = x.Texto("protocoloEnvio");
}

}  // namespace esocial
