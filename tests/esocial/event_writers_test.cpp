// The shared writers' version branches, list limits and edge cases, by what one call writes.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <libxml/parser.h>
#include <libxml/tree.h>

#include <cmath>
#include <memory>

#include "event_writers_support.h"
#include "support/message_of.h"

using namespace esocial;
using esocialtest::Data;
using esocialtest::TEscritor;
using testing::ElementsAre;
using testing::IsEmpty;
using testsupport::MessageOf;

namespace {

using Escrita = std::function<void(TeSocialEvento&)>;

// What Escrever writes under Versao; Alertas receives its alerts in the pattern Formato.
std::string SaidaComAlertas(TEscritor& escritor, TVersaoeSocial versao, const Escrita& escrever,
                            const std::string& formato, std::vector<std::string>& alertas) {
  return escritor.Saida(
      versao,
      [&](TeSocialEvento& e) {
        e.Gerador().Opcoes.FormatoAlerta = formato;
        escrever(e);
      },
      &alertas);
}

int Ocorrencias(const std::string& xml, const std::string& trecho) {
  int n = 0;
  for (auto p = xml.find(trecho); p != std::string::npos; p = xml.find(trecho, p + 1)) ++n;
  return n;
}

// A 2.x worker: the groups the S-1 layouts dropped.
void PreencherTrabalhador(TTrabalhador& t) {
  t.CpfTrab = "12345678909";
  t.NisTrab = "12345678901";
  t.NmTrab = "Maria";
  t.Documentos.CTPS.NrCtps = "123";
  t.Documentos.CTPS.SerieCtps = "1";
  t.Documentos.CTPS.UfCtps = "SP";
  t.TrabEstrangeiro.DtChegada = Data(2010, 1, 2);
  t.TrabEstrangeiro.ClassTrabEstrang = ctRefugiado;
  t.TrabEstrangeiro.CasadoBr = "N";
  t.TrabEstrangeiro.FilhosBr = "N";
  t.Aposentadoria.TrabAposent = tpSim;
  t.Contato.FonePrinc = "1133334444";
  t.Contato.FoneAlternat = "1155556666";
}

TNfsColecao& UmaNota(TNfsColecao& nfs, const std::string& serie, double data) {
  TNfsItem& n = nfs.New();
  n.serie = serie;
  n.nrDocto = "123";
  n.dtEmisNF = data;
  n.vlrBruto = 1234.5;
  return nfs;
}

}  // namespace

TEST(EventWriters, VersionBranches) {
  TEscritor escritor;
  TTrabalhador trabalhador;
  PreencherTrabalhador(trabalhador);
  TinfoIntermCollection interm;
  for (int dia : {4, 5, 6}) {
    TinfoIntermCollectionItem& i = interm.New();
    i.dia = dia;
    i.qtdDiasInterm = 3;
    i.hrsTrab = "0800";
  }
  TSucessaoVinc sucessao;
  sucessao.tpInsc() = tiCNPJ;
  sucessao.nrInsc() = "11222333000181";
  sucessao.dtTransf = Data(2024, 1, 1);
  THorContratual horContratual;
  horContratual.tpJornada = tjDemaisTiposJornada;
  horContratual.horNoturno = tpNao;
  horContratual.dscJorn = "Livre";
  THorarioCollectionItem& dia = horContratual.horario.New();
  dia.Dia = diSegundaFeira;
  dia.CodHorContrat = "H1";
  TVinculo vinculo;
  vinculo.matricula = "M1";
  vinculo.tpRegPrev = rpRGPS;
  TDuracao duracao;
  duracao.TpContr = PrazoDeterminado;
  duracao.dtTerm = Data(2024, 12, 31);
  duracao.clauAssec = tpSim;
  TIdeVinculo ideVinculo;
  ideVinculo.cpfTrab = "12345678909";
  ideVinculo.codCateg = 101;
  TIdeVinculo semNis = ideVinculo;
  semNis.codCateg = 901;
  TNfsColecao nota, notaSemData;
  UmaNota(nota, "A1", Data(2024, 1, 15));
  UmaNota(notaSemData, "A1", 0);
  TNfsColecao notaSemSerie;
  UmaNota(notaSemSerie, "", Data(2024, 1, 15));

  const auto trab = [&](int tipo, const std::string& grupo) {
    return [&, tipo, grupo](TeSocialEvento& e) { e.GerarTrabalhador(trabalhador, tpNao, grupo, tipo, 101); };
  };
  const std::string nfsAtributos =
      "<nfs serie=\"A1\" nrDocto=\"123\" dtEmisNF=\"2024-01-15\" vlrBruto=\"1234.50\" vrCPDescPR=\"0.00\" "
      "vrRatDescPR=\"0.00\" vrSenarDesc=\"0.00\"></nfs>";
  struct Caso {
    std::string nome;
    TVersaoeSocial versao;
    Escrita escrever;
    std::string trecho;
    bool presente = true;
  };
  const std::vector<Caso> casos = {
      {"nisTrab", ve02_05_00, [&](TeSocialEvento& e) { e.GerarIdeVinculo(ideVinculo, true, false); },
       "<ideVinculo><cpfTrab>12345678909</cpfTrab><nisTrab/><codCateg>101</codCateg></ideVinculo>"},
      {"nisTrab optional for 901", ve02_05_00, [&](TeSocialEvento& e) { e.GerarIdeVinculo(semNis, true, false); },
       "<ideVinculo><cpfTrab>12345678909</cpfTrab><codCateg>901</codCateg></ideVinculo>"},
      {"no nisTrab in S-1", veS01_00_00, [&](TeSocialEvento& e) { e.GerarIdeVinculo(ideVinculo, true, false); },
       "<ideVinculo><cpfTrab>12345678909</cpfTrab><codCateg>101</codCateg></ideVinculo>"},
      {"worker nisTrab", ve02_05_00, trab(2, "trabalhador"), "<nisTrab>12345678901</nisTrab>"},
      {"worker nisTrab", veS01_00_00, trab(2, "trabalhador"), "<nisTrab>", false},
      {"qtdDiasInterm", ve02_05_00, [&](TeSocialEvento& e) { e.GerarInfoInterm(interm); },
       "<infoInterm><qtdDiasInterm>3</qtdDiasInterm></infoInterm>"},
      {"dia", veS01_00_00, [&](TeSocialEvento& e) { e.GerarInfoInterm(interm); },
       "<infoInterm><dia>4</dia></infoInterm><infoInterm><dia>5</dia></infoInterm><infoInterm><dia>6</dia>"
       "</infoInterm>"},
      {"hrsTrab", veS01_03_00, [&](TeSocialEvento& e) { e.GerarInfoInterm(interm); },
       "<infoInterm><dia>6</dia><hrsTrab>0800</hrsTrab></infoInterm>"},
      {"tpInscAnt", ve02_05_00, [&](TeSocialEvento& e) { e.GerarSucessaoVinc(sucessao); },
       "<sucessaoVinc><tpInscAnt>1</tpInscAnt><cnpjEmpregAnt>11222333000181</cnpjEmpregAnt>"
       "<dtTransf>2024-01-01</dtTransf></sucessaoVinc>"},
      {"tpInsc", veS01_00_00, [&](TeSocialEvento& e) { e.GerarSucessaoVinc(sucessao); },
       "<sucessaoVinc><tpInsc>1</tpInsc><nrInsc>11222333000181</nrInsc><dtTransf>2024-01-01</dtTransf>"
       "</sucessaoVinc>"},
      {"documentos", ve02_05_00, trab(2, "trabalhador"),
       "<documentos><CTPS><nrCtps>123</nrCtps><serieCtps>1</serieCtps><ufCtps>SP</ufCtps></CTPS></documentos>"},
      {"documentos", veS01_00_00, trab(2, "trabalhador"), "<documentos>", false},
      {"trabEstrangeiro", ve02_05_00, trab(2, "trabalhador"),
       "<trabEstrangeiro><dtChegada>2010-01-02</dtChegada><classTrabEstrang>04</classTrabEstrang>"
       "<casadoBr>N</casadoBr><filhosBr>N</filhosBr></trabEstrangeiro>"},
      {"trabEstrangeiro", veS01_00_00, trab(2, "trabalhador"), "<trabEstrangeiro>", false},
      {"aposentadoria", ve02_05_00, trab(2, "trabalhador"), "<aposentadoria><trabAposent>S</trabAposent>"},
      {"aposentadoria of kind 3", ve02_05_00, trab(3, "trabalhador"), "<aposentadoria>", false},
      {"aposentadoria", veS01_00_00, trab(2, "trabalhador"), "<aposentadoria>", false},
      {"indPriEmpr", ve02_05_00, trab(2, "trabalhador"), "<indPriEmpr>S</indPriEmpr>"},
      {"dadosTrabalhador birth", ve02_04_02, trab(1, "dadosTrabalhador"), "<nascimento>"},
      {"dadosTrabalhador birth", ve02_04_01, trab(1, "dadosTrabalhador"), "<nascimento>", false},
      {"dadosTrabalhador paisNac", ve02_04_01, trab(1, "dadosTrabalhador"), "<paisNac>", false},
      {"foneAlternat", ve02_05_00, trab(2, "trabalhador"),
       "<contato><fonePrinc>1133334444</fonePrinc><foneAlternat>1155556666</foneAlternat></contato>"},
      {"foneAlternat", veS01_00_00, trab(2, "trabalhador"), "<contato><fonePrinc>1133334444</fonePrinc></contato>"},
      {"horario", ve02_05_00, [&](TeSocialEvento& e) { e.GerarHorContratual(horContratual); },
       "<horContratual><tpJornada>9</tpJornada><tmpParc>0</tmpParc><horario><dia>1</dia>"
       "<codHorContrat>H1</codHorContrat></horario></horContratual>"},
      {"horNoturno", veS01_00_00, [&](TeSocialEvento& e) { e.GerarHorContratual(horContratual); },
       "<horContratual><tpJornada>9</tpJornada><tmpParc>0</tmpParc><horNoturno>N</horNoturno>"
       "<dscJorn>Livre</dscJorn></horContratual>"},
      {"nfs elements", ve02_04_02, [&](TeSocialEvento& e) { e.GerarNfs(nota); },
       "<nfs><serie>A1</serie><nrDocto>123</nrDocto><dtEmisNF>2024-01-15</dtEmisNF><vlrBruto>1234.50</vlrBruto>"
       "<vrCPDescPR>0.00</vrCPDescPR><vrRatDescPR>0.00</vrRatDescPR><vrSenarDesc>0.00</vrSenarDesc></nfs>"},
      {"nfs attributes", ve02_05_00, [&](TeSocialEvento& e) { e.GerarNfs(nota); }, nfsAtributos},
      {"nfs without date", veS01_03_00, [&](TeSocialEvento& e) { e.GerarNfs(notaSemData); },
       "nrDocto=\"123\" dtEmisNF=\"\" vlrBruto="},
      {"nfs without series", veS01_03_00, [&](TeSocialEvento& e) { e.GerarNfs(notaSemSerie); }, "<nfs nrDocto=\"123\""},
      {"vinculo of kind 3", ve02_05_00, [&](TeSocialEvento& e) { e.GerarVinculo(vinculo, 3); },
       "<vinculo><tpRegPrev>1</tpRegPrev></vinculo>"},
      {"clauAssec of kind 2", veS01_03_00, [&](TeSocialEvento& e) { e.GerarDuracao(duracao, 2); },
       "<duracao><tpContr>2</tpContr><dtTerm>2024-12-31</dtTerm><clauAssec>S</clauAssec></duracao>"},
      {"no clauAssec for 3", veS01_03_00, [&](TeSocialEvento& e) { e.GerarDuracao(duracao, 3); },
       "<duracao><tpContr>2</tpContr><dtTerm>2024-12-31</dtTerm></duracao>"},
  };
  for (const Caso& caso : casos) {
    const std::string xml = escritor.Saida(caso.versao, caso.escrever);
    EXPECT_EQ(xml.find(caso.trecho) != std::string::npos, caso.presente)
        << caso.nome << " under " << VersaoeSocialToStr(caso.versao) << ":\n"
        << xml;
  }
}

TEST(EventWriters, InvoiceAttributesParseBackIntact) {
  TEscritor escritor;
  TNfsColecao nfs;
  UmaNota(nfs, "A&\"<B>'", Data(2024, 1, 15));
  for (bool identado : {false, true}) {
    std::string cadeia = "?";
    const std::string xml = escritor.Saida(veS01_03_00, [&](TeSocialEvento& e) {
      e.Gerador().Opcoes.IdentarXML = identado;
      e.GerarNfs(nfs);
      cadeia = e.Gerador().TagNivel();
    });
    EXPECT_EQ(cadeia, "") << "the invoice's group is closed in the chain the alerts show";
    std::unique_ptr<xmlDoc, decltype(&xmlFreeDoc)> doc(
        xmlReadMemory(xml.data(), static_cast<int>(xml.size()), nullptr, nullptr, XML_PARSE_NONET), xmlFreeDoc);
    ASSERT_NE(doc, nullptr) << xml;
    xmlNode* raiz = xmlDocGetRootElement(doc.get());
    ASSERT_EQ(xmlChildElementCount(raiz), 0u) << "no attribute leaks into content: " << xml;
    std::unique_ptr<xmlChar, decltype(xmlFree)> serie(xmlGetProp(raiz, BAD_CAST "serie"), xmlFree);
    std::unique_ptr<xmlChar, decltype(xmlFree)> vlrBruto(xmlGetProp(raiz, BAD_CAST "vlrBruto"), xmlFree);
    EXPECT_STREQ(reinterpret_cast<const char*>(serie.get()), "A&\"<B>'");
    EXPECT_STREQ(reinterpret_cast<const char*>(vlrBruto.get()), "1234.50");
  }
}

TEST(EventWriters, ListLimits) {
  struct Lista {
    std::string tag;
    std::string descricao;
    int maximo;
    std::function<void(TeSocialEvento&, int)> escrever;  // writes a list of that many items
    bool ultimoIgnorado = false;                         // the item past the maximum is skipped
    TVersaoeSocial versao = veS01_03_00;
  };
  const auto cpf = "12345678909";
  const auto estabLot = [](TTipoEvento tipo) {
    return [tipo](TeSocialEvento& e, int n) {
      TideEstabLotCollection l;
      for (int i = 0; i < n; ++i) {
        TideEstabLotItem& item = l.New();
        item.nrInsc = "11222333000181";
        item.codLotacao = "L1";
      }
      e.GerarIdeEstabLot(l, tipo);
    };
  };
  // The items past Maximo have a zero amount: skipped, but counted.
  const auto remunOutrEmpr = [](int maximo) {
    return [maximo](TeSocialEvento& e, int n) {
      TRemunOutrEmprCollection l;
      for (int i = 0; i < n; ++i) {
        TRemunOutrEmprCollectionItem& o = l.New();
        o.nrInsc = "11222333000181";
        o.codCateg = 101;
        o.vlrRemunOE = i < maximo ? 1 : 0;
      }
      e.GerarRemunOutrEmpr(l);
    };
  };
  const std::vector<Lista> listas = {
      {"dependente", "Lista de Dependentes", 99,
       [&](TeSocialEvento& e, int n) {
         TDependenteCollection l;
         for (int i = 0; i < n; ++i) {
           TDependenteCollectionItem& d = l.New();
           d.nmDep = "Filho";
           d.dtNascto = Data(2010, 1, 1);
         }
         e.GerarDependente(l);
       }},
      {"itensRemun", "Lista de itensRemun", 200,
       [&](TeSocialEvento& e, int n) {
         TRubricaCollection l;
         for (int i = 0; i < n; ++i) {
           TRubricaCollectionItem& r = l.New();
           r.codRubr = "R1";
           r.ideTabRubr = "T1";
           r.vrRubr = 1;
         }
         e.GerarItensRemun(l, "itensRemun");
       }},
      {"ideEstabLot", "Lista de Identificação de Estabecimentos/Lotação", 24, estabLot(teS2299)},
      {"ideEstabLot", "Lista de Identificação de Estabecimentos/Lotação", 99, estabLot(teS2399)},
      {"ideEstabLot", "Lista de Identificação de Estabecimentos/Lotação", 99, estabLot(teS2399), false, ve02_05_00},
      {"detOper", "Lista de Detalhamento de valores", 99,
       [&](TeSocialEvento& e, int n) {
         TDetOperCollection l;
         for (int i = 0; i < n; ++i) {
           TDetOperCollectionItem& o = l.New();
           o.cnpjOper = "11222333000181";
           o.regANS = "123456";
           o.vrPgTit = 1;
         }
         e.GerarDetOper(l);
       }},
      {"detPlano", "Lista de Informações do Dependentes", 99,
       [&](TeSocialEvento& e, int n) {
         TDetPlanoCollection l;
         for (int i = 0; i < n; ++i) {
           TDetPlanoCollectionItem& p = l.New();
           p.nmDep = "Filho";
           p.dtNascto = Data(2010, 1, 1);
           p.vlrPgDep = 1;
         }
         e.GerarDetPlano(l);
       }},
      {"remunOutrEmpr", "Lista de Informações de Remuneração", 999, remunOutrEmpr(999), true},
      {"remunOutrEmpr", "Lista de Informações de Remuneração", 10, remunOutrEmpr(10), true, ve02_05_00},
      {"procJudTrab", "Lista de Processos Judiciais", 99,
       [&](TeSocialEvento& e, int n) {
         TProcJudTrabCollection l;
         for (int i = 0; i < n; ++i) {
           TProcJudTrabCollectionItem& p = l.New();
           p.nrProcJud = "00000000000000000001";
           p.codSusp = "1";
         }
         e.GerarProcJudTrab(l, true);
       }},
      {"penAlim", "Lista de penAlim", 99,
       [&](TeSocialEvento& e, int n) {
         TPensaoAlimCollection l;
         for (int i = 0; i < n; ++i) {
           TPensaoAlimCollectionItem& p = l.New();
           p.cpfBenef = cpf;
           p.nmBenefic = "Filho";
           p.vlrPensao = 1;
         }
         e.GerarPensaoAlim(l, "penAlim");
       }},
      {"ideAdv", "Identificação dos advogados", 99,
       [&](TeSocialEvento& e, int n) {
         TIdeAdvCollection l;
         for (int i = 0; i < n; ++i) {
           TIdeAdvCollectionItem& a = l.New();
           a.nrInsc = "11222333000181";
           a.vlrAdv = 1;
         }
         e.GerarIdeAdv(l);
       }},
      {"infoInterm", "Informações relativas ao trabalho intermitente", 31,
       [&](TeSocialEvento& e, int n) {
         TinfoIntermCollection l;
         for (int i = 0; i < n; ++i) l.New().dia = 1;
         e.GerarInfoInterm(l);
       }},
      {"nfs", "Lista de Notas Fiscais", 9999,
       [&](TeSocialEvento& e, int n) {
         TNfsColecao l;
         for (int i = 0; i < n; ++i) UmaNota(l, "A1", Data(2024, 1, 15));
         e.GerarNfs(l);
       }},
      {"ideTrabSubstituido", "Lista de Trabalhadores Substituido", 9,
       [&](TeSocialEvento& e, int n) {
         TIdeTrabSubstituidoCollection l;
         for (int i = 0; i < n; ++i) l.New().CpfTrabSubst = cpf;
         e.GerarIdeTrabSubstituido(l);
       }},
      {"horario", "Lista de Diárias do Horário Contatual", 99,
       [&](TeSocialEvento& e, int n) {
         THorarioCollection l;
         for (int i = 0; i < n; ++i) l.New().CodHorContrat = "H1";
         e.GerarHorario(l);
       }},
      {"filiacaoSindical", "Lista de Filiação Sindical", 2,
       [&](TeSocialEvento& e, int n) {
         TFiliacaoSindical l;
         for (int i = 0; i < n; ++i) l.New().CnpjSindTrab = "11222333000181";
         e.GerarFiliacaoSindical(l);
       }},
      {"observacoes", "Lista de Observações", 99,
       [&](TeSocialEvento& e, int n) {
         TObservacoesCollection l;
         for (int i = 0; i < n; ++i) l.New().observacao = "Obs";
         e.GerarObservacoes(l);
       }},
      {"treiCap", "Treinamentos, capacitações, exercícios simulados, autorizações ou outras anotações", 99,
       [&](TeSocialEvento& e, int n) {
         TtreiCapCollection l;
         for (int i = 0; i < n; ++i) l.New().codTreiCap = i < 99 ? 1006 : 3720;  // 3720 skipped, but counted
         e.GerarTreiCap(l);
       },
       true},
  };
  TEscritor escritor;
  for (const Lista& lista : listas) {
    for (int quantidade : {lista.maximo, lista.maximo + 1}) {
      SCOPED_TRACE(lista.tag + " " + std::to_string(quantidade) + " under " + VersaoeSocialToStr(lista.versao));
      std::vector<std::string> alertas;
      const std::string xml = SaidaComAlertas(
          escritor, lista.versao, [&](TeSocialEvento& e) { lista.escrever(e, quantidade); }, "%TAG%|%DESCRICAO%|%MSG%",
          alertas);
      const int escritos = lista.ultimoIgnorado ? lista.maximo : quantidade;
      EXPECT_EQ(Ocorrencias(xml, "<" + lista.tag + ">") + Ocorrencias(xml, "<" + lista.tag + " "), escritos);
      if (quantidade == lista.maximo)
        EXPECT_THAT(alertas, IsEmpty());
      else
        EXPECT_THAT(alertas, ElementsAre(lista.tag + "|" + lista.descricao +
                                         "|Número de ocorrências maior que o máximo permitido - Máximo " +
                                         std::to_string(lista.maximo)));
    }
  }
}

// Values at the edge of the sizes the S-1 schemas allow raise no alert there; the 2.x layouts
// keep their narrower sizes.
TEST(EventWriters, SizesFollowTheLayout) {
  const std::string dscLograd(100, 'D'), bairro(90, 'B');
  const auto rua = [&](auto& endereco) {
    endereco.DscLograd = dscLograd;
    endereco.NrLograd = "1";
    endereco.Bairro = bairro;
  };
  const auto municipio = [](auto& endereco) {
    endereco.Cep = "01001000";
    endereco.CodMunic = 3550308;
  };
  TBrasil brasil;
  rua(brasil);
  municipio(brasil);
  brasil.UF = "SP";
  TExterior exterior;
  rua(exterior);
  exterior.PaisResid = "239";
  exterior.NmCid = "Lisboa";
  TLocalTempDom localTempDom;
  rua(localTempDom);
  municipio(localTempDom);
  localTempDom.Uf = "SP";
  TRemuneracao remuneracao;
  remuneracao.VrSalFx = 1;
  remuneracao.DscSalVar = std::string(999, 'V');
  TRubricaCollection rubricas;
  TRubricaCollectionItem& rubrica = rubricas.New();
  rubrica.codRubr = "R1";
  rubrica.ideTabRubr = "T1";
  rubrica.qtdRubr = 9999999999.99;
  rubrica.vrRubr = 1;
  // An annual period is the year alone where the event writes indApuracao.
  TIdeEvento3 anual3;
  anual3.IndApuracao = ipaAnual;
  anual3.perApur = "2024";
  anual3.VerProc = "1";
  TIdeEvento4 anual4;
  anual4.IndApuracao = ipaAnual;
  anual4.perApur = "2024";
  anual4.VerProc = "1";
  TAliqGilRat processo21;
  processo21.ProcAdmJudRat().nrProc = std::string(21, '1');
  processo21.ProcAdmJudRat().codSusp = "1";
  TIdeFolhaPagto folhaAnual;
  folhaAnual.indApuracao = ipaAnual;
  folhaAnual.perApur = "2024";

  struct Caso {
    std::string nome;
    TVersaoeSocial versao;
    Escrita escrever;
    std::vector<std::string> alertas;  // the tags alerted
  };
  const auto ambas = [](const std::string& nome, const Escrita& escrever, const std::vector<std::string>& alertas2x) {
    return std::vector<Caso>{{nome, veS01_03_00, escrever, {}}, {nome, ve02_05_00, escrever, alertas2x}};
  };
  std::vector<Caso> casos;
  for (const auto& par : {
           ambas("brasil", [&](TeSocialEvento& e) { e.GerarEnderecoBrasil(brasil); }, {"dscLograd", "bairro"}),
           ambas("exterior", [&](TeSocialEvento& e) { e.GerarEnderecoExterior(exterior); }, {"dscLograd", "bairro"}),
           ambas("localTempDom", [&](TeSocialEvento& e) { e.GerarLocalTempDom(localTempDom); },
                 {"dscLograd", "bairro"}),
           ambas("dscSalVar", [&](TeSocialEvento& e) { e.GerarRemuneracao(remuneracao); }, {"dscSalVar"}),
           ambas("procAdmJudRat nrProc", [&](TeSocialEvento& e) { e.GerarProcAdmJudRat(processo21.ProcAdmJudRat()); },
                 {"nrProc"}),
           ambas("qtdRubr", [&](TeSocialEvento& e) { e.GerarItensRemun(rubricas, "itensRemun"); }, {"qtdRubr"}),
           ambas("annual ideEvento3", [&](TeSocialEvento& e) { e.GerarIdeEvento3(anual3, true, true, false); },
                 {"perApur"}),
           ambas("annual ideEvento4", [&](TeSocialEvento& e) { e.GerarIdeEvento4(anual4, true, false); }, {"perApur"}),
           ambas("annual ideFolhaPagto", [&](TeSocialEvento& e) { e.GerarIdeFolhaPagto(folhaAnual); }, {"perApur"}),
           ambas("annual ideFolhaPagto perApur", [&](TeSocialEvento& e) { e.GerarIdeFolhaPagtoPerApur(folhaAnual); },
                 {"perApur"}),
       })
    casos.insert(casos.end(), par.begin(), par.end());
  // Without indApuracao the period is a month under every layout.
  casos.push_back({"monthly ideEvento3",
                   veS01_03_00,
                   [&](TeSocialEvento& e) { e.GerarIdeEvento3(anual3, true, false, false); },
                   {"perApur"}});

  TEscritor escritor;
  for (const Caso& caso : casos) {
    std::vector<std::string> alertas;
    SaidaComAlertas(escritor, caso.versao, caso.escrever, "%TAG%", alertas);
    EXPECT_EQ(alertas, caso.alertas) << caso.nome << " under " << VersaoeSocialToStr(caso.versao);
  }
}

// What the S-1 schemas require is written even when the data leaves it empty: an empty element
// and an alert, where the 2.x layouts leave it out.
TEST(EventWriters, FieldsTheS1LayoutsRequire) {
  THorContratual horContratual;
  horContratual.tpJornada = tjDemaisTiposJornada;
  TAliqGilRat processos;  // both processes without a suspension code
  processos.ProcAdmJudRat().nrProc = "00000000000000000001";
  processos.ProcAdmJudFap().nrProc = "00000000000000000002";
  TIdeEmpregador cnpj;
  TTrabTemporario temporario;  // no establishment
  temporario.hipLeg = 1;
  temporario.justContr = "Ferias";
  TIdeVinculo semMatricula;
  semMatricula.cpfTrab = "12345678909";
  semMatricula.codCateg = 901;
  TIdeVinculo empregado = semMatricula;
  empregado.codCateg = 101;
  TProcesso processo;
  processo.nrProc = "00000000000000000003";
  TProcesso fgts = processo;
  fgts.codSusp = "5";
  TFGTS semData;

  const std::string vazio = "|Nenhum valor informado";
  struct Caso {
    std::string nome;
    TVersaoeSocial versao;
    Escrita escrever;
    std::string trecho;
    bool presente;
    std::vector<std::string> alertas;
  };
  const Escrita jornada = [&](TeSocialEvento& e) { e.GerarHorContratual(horContratual); };
  const Escrita rat = [&](TeSocialEvento& e) { e.GerarAliqGilRat(cnpj, tiCNPJ, processos, "aliqGilrat"); };
  const Escrita trabTemporario = [&](TeSocialEvento& e) { e.GerarTrabTemporario(temporario); };
  const auto ideVinculo = [&](bool codCateg, bool reduzido) {
    return [&, codCateg, reduzido](TeSocialEvento& e) { e.GerarIdeVinculo(semMatricula, codCateg, reduzido); };
  };
  const auto porCategoria = [&](const TIdeVinculo& v) {
    return [&](TeSocialEvento& e) { e.GerarIdeVinculoPorCategoria(v, false, false); };
  };
  const auto ideProcesso = [&](const std::string& grupo, const TProcesso& p) {
    return [&, grupo](TeSocialEvento& e) { e.GerarProcesso(grupo, p); };
  };
  const Escrita opcaoFgts = [&](TeSocialEvento& e) { e.GerarFGTS(semData); };
  const std::string codSuspRat =
      "<codSusp/></procAdmJudRat><procAdmJudFap><tpProc>1</tpProc><nrProc>00000000000000000002</nrProc><codSusp/>";
  const std::string estabVazio = "<ideEstabVinc><tpInsc>1</tpInsc><nrInsc/></ideEstabVinc>";
  const std::vector<Caso> casos = {
      {"dscJorn", veS01_03_00, jornada, "<dscJorn/>", true, {"dscJorn" + vazio}},
      {"dscJorn", ve02_05_00, jornada, "dscJorn", false, {}},
      {"rate processes", veS01_03_00, rat, codSuspRat, true, {"codSusp" + vazio, "codSusp" + vazio}},
      {"rate processes", ve02_05_00, rat, "codSusp", false, {}},
      {"ideEstabVinc", veS01_03_00, trabTemporario, estabVazio, true, {"nrInsc" + vazio}},
      {"ideTomadorServ", ve02_05_00, trabTemporario, "<ideEstabVinc>", false, {"nrInsc" + vazio}},
      {"matricula alone", veS01_03_00, ideVinculo(false, false), "<matricula/>", true, {"matricula" + vazio}},
      {"matricula, reduced", veS01_03_00, ideVinculo(true, true), "<matricula/>", true, {"matricula" + vazio}},
      {"matricula, codCateg", veS01_03_00, ideVinculo(true, false), "matricula", false, {}},
      {"matricula and nisTrab alone, as in 2.5 too",
       ve02_05_00,
       ideVinculo(false, false),
       "<nisTrab/><matricula/>",
       true,
       {"nisTrab" + vazio, "matricula" + vazio}},
      {"by category", veS01_03_00, porCategoria(empregado), "<matricula/>", true, {"matricula" + vazio}},
      {"category without one", veS01_03_00, porCategoria(semMatricula), "matricula", false, {}},
      {"IRRF", veS01_03_00, ideProcesso("ideProcessoIRRF", processo), "<codSusp/>", true, {"codSusp" + vazio}},
      {"FGTS has none", veS01_03_00, ideProcesso("ideProcessoFGTS", fgts), "codSusp", false, {}},
      {"IRRF", ve02_05_00, ideProcesso("ideProcessoIRRF", processo), "codSusp", false, {}},
      {"dtOpcFGTS", veS01_03_00, opcaoFgts, "<FGTS><dtOpcFGTS/></FGTS>", true, {"dtOpcFGTS" + vazio}},
      {"dtOpcFGTS", ve02_05_00, opcaoFgts, "dtOpcFGTS", false, {}},
  };
  TEscritor escritor;
  for (const Caso& caso : casos) {
    std::vector<std::string> alertas;
    const std::string xml = SaidaComAlertas(escritor, caso.versao, caso.escrever, "%TAG%|%MSG%", alertas);
    const std::string onde = caso.nome + " under " + VersaoeSocialToStr(caso.versao);
    EXPECT_EQ(xml.find(caso.trecho) != std::string::npos, caso.presente) << onde << ":\n" << xml;
    EXPECT_EQ(alertas, caso.alertas) << onde;
  }
}

TEST(EventWriters, EmployerInscriptionFollowsTheEmployerKind) {
  struct Caso {
    TEmpregador tipo;
    std::string nrInsc;
    std::string esperado;
  };
  for (const Caso& caso : {Caso{tePessoaJuridica, "12345678000195", "<nrInsc>12345678</nrInsc>"},
                           Caso{teOrgaoPublico, "12345678000195", "<nrInsc>12345678</nrInsc>"},
                           Caso{tePessoaFisica, "12345678909", "<nrInsc>12345678909</nrInsc>"},
                           Caso{teOrgaoPublicoExecutivoFederal, "12345678000195", "<nrInsc>12345678000195</nrInsc>"}}) {
    TEscritor escritor;
    escritor.Configuracoes().Geral->SetTipoEmpregador(caso.tipo);
    TIdeEmpregador emp;
    emp.TpInsc = caso.nrInsc.size() == 11 ? tiCPF : tiCNPJ;
    emp.NrInsc = caso.nrInsc;
    std::vector<std::string> alertas;
    const std::string xml = escritor.Saida(
        veS01_03_00, [&](TeSocialEvento& e) { e.GerarIdeEmpregador(emp); }, &alertas);
    EXPECT_NE(xml.find(caso.esperado), std::string::npos) << xml;
    EXPECT_THAT(alertas, IsEmpty()) << caso.nrInsc;
  }
}

TEST(EventWriters, PresenceRules) {
  TEscritor escritor;
  TEmitente emitente;
  emitente.nmEmit = "Dr. Silva";
  emitente.ideOC = idCRM;
  emitente.nrOc = "12345";
  const std::string emitenteSemNumero = "<emitente><nmEmit>Dr. Silva</nmEmit><ideOC>1</ideOC></emitente>";

  TIdeEmpregador cnpj, cpf;
  cnpj.TpInsc = tiCNPJ;
  cpf.TpInsc = tiCPF;
  TAliqGilRat semNada, fap, procSemNumero;
  fap.Fap = 1.5;
  procSemNumero.ProcAdmJudRat();  // exists, but without a number it counts as absent

  TInfoDeficiencia soMotora, fisica;
  soMotora.DefMotora = tpSim;
  soMotora.infoCota = snfNao;
  fisica.DefFisica = tpSim;

  TDependenteCollection dependentes;
  TDependenteCollectionItem& d = dependentes.New();
  d.tpDep = tdFilhoOuEnteado;
  d.nmDep = "Filho";
  d.dtNascto = Data(2010, 1, 1);
  d.sexoDep = "X";
  d.depIRRF = d.depSF = d.incTrab() = tpNao;

  TInfoRegimeTrab estatutario;
  estatutario.InfoEstatutario.tpProv = tpNomeacaoCargoEfetivo;
  estatutario.InfoEstatutario.dtExercicio = Data(2024, 1, 2);
  TInfoContrato contrato;
  contrato.CodCateg = 301;
  contrato.HorContratual.dscJorn = "Livre";

  TDuracao porFato, indeterminado;
  porFato.TpContr = PrazoDeterminadoVincOcDeUmFato;
  porFato.clauAssec = tpNao;
  porFato.objDet = "Obra X";
  indeterminado.TpContr = PrazoIndeterminado;
  indeterminado.clauAssec = tpSim;

  TtreiCapCollection treinamentos;
  for (int codigo : {1006, 1207, 3701, 3719, 3720, 1000}) treinamentos.New().codTreiCap = codigo;

  TEndereco noExterior, noBrasil;
  for (TEndereco* e : {&noExterior, &noBrasil}) {
    e->Brasil.DscLograd = "Rua A";
    e->Brasil.NrLograd = "1";
    e->Brasil.Cep = "01001000";
    e->Brasil.CodMunic = 3550308;
    e->Brasil.UF = "SP";
    e->Exterior.DscLograd = "Main St";
    e->Exterior.NrLograd = "1";
    e->Exterior.NmCid = "Lisboa";
  }
  noExterior.Exterior.PaisResid = "239";
  noBrasil.Exterior.PaisResid = "105";
  const std::string brasil =
      "<endereco><brasil><dscLograd>Rua A</dscLograd><nrLograd>1</nrLograd><cep>01001000</cep>"
      "<codMunic>3550308</codMunic><uf>SP</uf></brasil></endereco>";

  TLocalTrabDom semTipo;
  semTipo.DscLograd = "Rua A";
  TQuarentena quarentena;
  quarentena.dtFimQuar = Data(2024, 3, 1);
  TMudancaCPF mudanca;
  mudanca.cpfAnt = "12345678909";

  struct Caso {
    std::string nome;
    TVersaoeSocial versao;
    Escrita escrever;
    std::string esperado;
  };
  const std::vector<Caso> casos = {
      {"nrOC of S-2210", veS01_03_00, [&](TeSocialEvento& e) { e.GerarEmitente(emitente, teS2210); },
       "<emitente><nmEmit>Dr. Silva</nmEmit><ideOC>1</ideOC><nrOC>12345</nrOC></emitente>"},
      {"nrOc of S-2230", veS01_03_00, [&](TeSocialEvento& e) { e.GerarEmitente(emitente, teS2230); },
       "<emitente><nmEmit>Dr. Silva</nmEmit><ideOC>1</ideOC><nrOc>12345</nrOc></emitente>"},
      {"no number for others", veS01_03_00, [&](TeSocialEvento& e) { e.GerarEmitente(emitente, teS2240); },
       emitenteSemNumero},
      {"no rate group", veS01_03_00, [&](TeSocialEvento& e) { e.GerarAliqGilRat(cnpj, tiCNPJ, semNada, "aliqGilrat"); },
       ""},
      {"rate process without number", veS01_03_00,
       [&](TeSocialEvento& e) { e.GerarAliqGilRat(cnpj, tiCNPJ, procSemNumero, "aliqGilrat"); }, ""},
      {"rate group of a CNO", veS01_03_00,
       [&](TeSocialEvento& e) { e.GerarAliqGilRat(cnpj, tiCNO, semNada, "aliqGilrat"); }, "<aliqGilrat></aliqGilrat>"},
      {"no fap for a CPF employer", veS01_03_00,
       [&](TeSocialEvento& e) { e.GerarAliqGilRat(cpf, tiCNPJ, fap, "aliqGilrat"); }, "<aliqGilrat></aliqGilrat>"},
      {"2.x rate group", ve02_05_00, [&](TeSocialEvento& e) { e.GerarAliqGilRat(cnpj, tiCNPJ, semNada, "aliqGilrat"); },
       "<aliqGilrat><aliqRat>1</aliqRat></aliqGilrat>"},
      {"DefMotora alone", veS01_03_00, [&](TeSocialEvento& e) { e.GerarInfoDeficiencia(soMotora, 2); }, ""},
      {"DefFisica", veS01_03_00, [&](TeSocialEvento& e) { e.GerarInfoDeficiencia(fisica, 2); },
       "<infoDeficiencia><defFisica>S</defFisica><defVisual>N</defVisual><defAuditiva>N</defAuditiva>"
       "<defMental>N</defMental><defIntelectual>N</defIntelectual><reabReadap>N</reabReadap></infoDeficiencia>"},
      {"sexoDep X", veS01_03_00, [&](TeSocialEvento& e) { e.GerarDependente(dependentes); },
       "<dependente><tpDep>03</tpDep><nmDep>Filho</nmDep><dtNascto>2010-01-01</dtNascto><depIRRF>N</depIRRF>"
       "<depSF>N</depSF><incTrab>N</incTrab></dependente>"},
      {"benefit form", veS01_03_00, [&](TeSocialEvento& e) { e.GerarDependente(dependentes, true); },
       "<dependente><tpDep>03</tpDep><nmDep>Filho</nmDep><dtNascto>2010-01-01</dtNascto><depIRRF>N</depIRRF>"
       "<incFisMen>N</incFisMen></dependente>"},
      {"statutory regime", veS01_03_00, [&](TeSocialEvento& e) { e.GerarInfoRegimeTrab(estatutario); },
       "<infoRegimeTrab><infoEstatutario><tpProv>1</tpProv><dtExercicio>2024-01-02</dtExercicio></infoEstatutario>"
       "</infoRegimeTrab>"},
      {"statutory contract", veS01_03_00, [&](TeSocialEvento& e) { e.GerarInfoContrato(contrato, 2, estatutario); },
       "<infoContrato><codCateg>301</codCateg><localTrabalho></localTrabalho></infoContrato>"},
      {"objDet", veS01_03_00, [&](TeSocialEvento& e) { e.GerarDuracao(porFato, 2); },
       "<duracao><tpContr>3</tpContr><clauAssec>N</clauAssec><objDet>Obra X</objDet></duracao>"},
      {"indeterminate", veS01_03_00, [&](TeSocialEvento& e) { e.GerarDuracao(indeterminado, 2); },
       "<duracao><tpContr>1</tpContr></duracao>"},
      {"treiCap codes", veS01_03_00, [&](TeSocialEvento& e) { e.GerarTreiCap(treinamentos); },
       "<treiCap><codTreiCap>1006</codTreiCap></treiCap><treiCap><codTreiCap>1207</codTreiCap></treiCap>"
       "<treiCap><codTreiCap>3701</codTreiCap></treiCap><treiCap><codTreiCap>3719</codTreiCap></treiCap>"},
      {"infoMV whenever called", veS01_03_00, [&](TeSocialEvento& e) { e.GerarInfoMV(TInfoMV()); },
       "<infoMV><indMV>1</indMV></infoMV>"},
      {"foreigner abroad", veS01_03_00, [&](TeSocialEvento& e) { e.GerarEndereco(noExterior, true); },
       "<endereco><exterior><paisResid>239</paisResid><dscLograd>Main St</dscLograd><nrLograd>1</nrLograd>"
       "<nmCid>Lisboa</nmCid></exterior></endereco>"},
      {"national abroad", veS01_03_00, [&](TeSocialEvento& e) { e.GerarEndereco(noExterior, false); }, brasil},
      {"foreigner in Brazil", veS01_03_00, [&](TeSocialEvento& e) { e.GerarEndereco(noBrasil, true); }, brasil},
      {"localTrabDom needs its type", ve02_05_00, [&](TeSocialEvento& e) { e.GerarLocalTrabDom(semTipo); }, ""},
      {"localTempDom needs a street", veS01_03_00, [&](TeSocialEvento& e) { e.GerarLocalTempDom(TLocalTempDom()); },
       ""},
      {"quarentena", veS01_00_00, [&](TeSocialEvento& e) { e.GerarQuarentena(quarentena); },
       "<quarentena><dtFimQuar>2024-03-01</dtFimQuar></quarentena>"},
      {"no quarentena", veS01_01_00, [&](TeSocialEvento& e) { e.GerarQuarentena(quarentena); }, ""},
      {"no mudancaCPF before 2.5", ve02_04_02, [&](TeSocialEvento& e) { e.GerarMudancaCPF(mudanca); }, ""},
      {"ideFolhaPagto needs perApur", veS01_03_00, [&](TeSocialEvento& e) { e.GerarIdeFolhaPagto(TIdeFolhaPagto()); },
       ""},
      {"descFolha not given", veS01_03_00, [&](TeSocialEvento& e) { e.GerarDescFolha(TdescFolha()); }, ""},
      {"infoSimples none", veS01_03_00, [&](TeSocialEvento& e) { e.GerarInfoSimples(TinfoSimples()); }, ""},
      {"trabImig none", veS01_03_00, [&](TeSocialEvento& e) { e.GerarTrabImig(TtrabImig()); }, ""},
  };
  for (const Caso& caso : casos) EXPECT_EQ(escritor.Saida(caso.versao, caso.escrever), caso.esperado) << caso.nome;
}

// What each of GerarItensRemun's options changes in one rubric: a discount given, no income-tax
// indicator, a registration number.
TEST(EventWriters, ItensRemunOptions) {
  TRubricaCollection rubricas;
  TRubricaCollectionItem& r = rubricas.New();
  r.matricula = "M-1";
  r.codRubr = "R1";
  r.ideTabRubr = "T1";
  r.vrRubr = 10;
  r.descFolha.tpDesc = tpdeConsignado;
  r.descFolha.instFinanc = "001";
  r.descFolha.nrDoc = "C1";
  const std::string desconto = "<descFolha><tpDesc>1</tpDesc><instFinanc>001</instFinanc><nrDoc>C1</nrDoc></descFolha>";
  struct Caso {
    std::string nome;
    TVersaoeSocial versao;
    TOpcoesItensRemun opcoes;
    std::string esperado;
    std::vector<std::string> alertas;
  };
  const Caso casos[] = {
      {"by default",
       veS01_03_00,
       {},
       "<x><codRubr>R1</codRubr><ideTabRubr>T1</ideTabRubr><vrRubr>10.00</vrRubr>" + desconto + "</x>",
       {}},
      {"no descFolha",
       veS01_03_00,
       {.GeraDescFolha = false},
       "<x><codRubr>R1</codRubr><ideTabRubr>T1</ideTabRubr><vrRubr>10.00</vrRubr></x>",
       {}},
      {"indApurIR required",
       veS01_03_00,
       {.GeraDescFolha = false, .IndApurIRObrigatorio = true},
       "<x><codRubr>R1</codRubr><ideTabRubr>T1</ideTabRubr><vrRubr>10.00</vrRubr><indApurIR/></x>",
       {"indApurIR|Nenhum valor informado"}},
      {"indApurIR required exists from S-1.00",
       ve02_05_00,
       {.IndApurIRObrigatorio = true},
       "<x><codRubr>R1</codRubr><ideTabRubr>T1</ideTabRubr><vrRubr>10.00</vrRubr></x>",
       {}},
      {"matricula",
       ve02_05_00,
       {.GeraMatricula = true},
       "<x><matricula>M-1</matricula><codRubr>R1</codRubr><ideTabRubr>T1</ideTabRubr><vrRubr>10.00</vrRubr></x>",
       {}},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.nome);
    TEscritor escritor;
    std::vector<std::string> alertas;
    EXPECT_EQ(SaidaComAlertas(
                  escritor, caso.versao, [&](TeSocialEvento& e) { e.GerarItensRemun(rubricas, "x", caso.opcoes); },
                  "%TAG%|%MSG%", alertas),
              caso.esperado);
    EXPECT_EQ(alertas, caso.alertas);
  }
  // A rubric without its registration number writes none.
  r.matricula.clear();
  TEscritor escritor;
  EXPECT_EQ(
      escritor.Saida(ve02_05_00, [&](TeSocialEvento& e) { e.GerarItensRemun(rubricas, "x", {.GeraMatricula = true}); }),
      "<x><codRubr>R1</codRubr><ideTabRubr>T1</ideTabRubr><vrRubr>10.00</vrRubr></x>");
}

TEST(EventWriters, WorkingHoursTypeMissingFromTheVersionIsAlertedAndWritten) {
  struct Caso {
    TVersaoeSocial versao;
    tpTpJornada tipo;
    std::string campo;
    std::string alerta;
  };
  for (const Caso& caso :
       {Caso{ve02_05_00, tjJornadaComHorarioDiarioFixoEFolgaFixaDomingo, "<tpJornada>4</tpJornada>",
             "Atenção! Tipo de Jornada não existe na versão ve02_05_00"},
        Caso{ve02_05_00, tjTurnoIninterruptoDeRevezamento, "<tpJornada>7</tpJornada>",
             "Atenção! Tipo de Jornada não existe na versão ve02_05_00"},
        Caso{veS01_00_00, tjJornadaComHorarioDiarioFolgaFixos, "<tpJornada>1</tpJornada>",
             "Atenção! Tipo de Jornada não existe na versão veS01_00_00"},
        Caso{veS01_03_00, tjJornadaComHorarioDiarioFixoEFolgaFixaDomingo, "<tpJornada>4</tpJornada>", ""},
        Caso{ve02_05_00, tjJornadaComHorarioDiarioFolgaFixos, "<tpJornada>1</tpJornada>", ""}}) {
    TEscritor escritor;
    THorContratual h;
    h.tpJornada = caso.tipo;
    h.dscJorn = "Livre";
    h.horNoturno = tpNao;
    std::vector<std::string> alertas;
    const std::string xml = SaidaComAlertas(
        escritor, caso.versao, [&](TeSocialEvento& e) { e.GerarHorContratual(h); }, "%TAG%|%MSG%", alertas);
    EXPECT_NE(xml.find(caso.campo), std::string::npos) << xml;
    if (caso.alerta.empty())
      EXPECT_THAT(alertas, IsEmpty());
    else
      EXPECT_THAT(alertas, ElementsAre("tpJornada|" + caso.alerta));
  }
}

TEST(EventWriters, ANonDateInADateFieldRaises) {
  TEscritor escritor;
  const double naoData = 1e9;  // far beyond the year 9999
  TDesligamento desligamento;
  desligamento.DtDeslig = naoData;
  TNascimento nascimento;
  nascimento.dtNascto = NAN;
  TNfsColecao nfs;
  UmaNota(nfs, "A1", naoData);
  struct Caso {
    std::string nome;
    TVersaoeSocial versao;
    Escrita escrever;
  };
  for (const Caso& caso : {
           Caso{"desligamento", veS01_03_00, [&](TeSocialEvento& e) { e.GerarDesligamento(desligamento); }},
           Caso{"nascimento", veS01_03_00, [&](TeSocialEvento& e) { e.GerarNascimento(nascimento); }},
           Caso{"nfs attribute", veS01_03_00, [&](TeSocialEvento& e) { e.GerarNfs(nfs); }},
           Caso{"nfs element", ve02_04_02, [&](TeSocialEvento& e) { e.GerarNfs(nfs); }},
       })
    EXPECT_THAT(MessageOf([&] { escritor.Saida(caso.versao, caso.escrever); }),
                testing::HasSubstr("is not a valid date and time"))
        << caso.nome;
}
