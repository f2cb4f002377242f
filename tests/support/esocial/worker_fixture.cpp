#include "support/esocial/worker_fixture.h"

#include "platform/date_time.h"

namespace esocialtest {

using namespace esocial;

void PreencherTrabalhadorS1(TTrabalhador& t) {
  t.CpfTrab = "12345678909";
  t.NmTrab = "Maria da Silva";
  t.Sexo = "F";
  t.RacaCor = 1;
  t.EstCiv = 2;
  t.GrauInstr = "07";
  t.nmSoc = "Maria";
  t.PaisNac = "105";
  t.Nascimento.dtNascto = platform::EncodeDate(1990, 5, 1);
  t.Nascimento.PaisNascto = "105";
  t.Nascimento.PaisNac = "105";
  TBrasil& b = t.Endereco.Brasil;
  b.TpLograd = "R";
  b.DscLograd = "Rua das Flores";
  b.NrLograd = "100";
  b.Complemento = "Apto 1";
  b.Bairro = "Centro";
  b.Cep = "01001000";
  b.CodMunic = 3550308;
  b.UF = "SP";
  t.trabImig.tmpResid = ttrPrazoIndeterminado;
  t.trabImig.condIng = tciRefugiado;
  t.InfoDeficiencia.DefFisica = tpSim;
  t.InfoDeficiencia.infoCota = snfSim;
  t.InfoDeficiencia.Observacao = "Cadeirante";
  TDependenteCollectionItem& d1 = t.Dependente.New();
  d1.tpDep = tdConjuge;
  d1.nmDep = "Jose da Silva";
  d1.dtNascto = platform::EncodeDate(1988, 3, 2);
  d1.cpfDep = "98765432100";
  d1.sexoDep = "M";
  d1.depIRRF = tpSim;
  d1.depSF = tpNao;
  d1.incTrab() = tpNao;
  d1.descrDep = "Conjuge";
  TDependenteCollectionItem& d2 = t.Dependente.New();
  d2.tpDep = tdNenhum;
  d2.nmDep = "Ana da Silva";
  d2.dtNascto = platform::EncodeDate(2015, 7, 9);
  d2.depIRRF = tpNao;
  d2.depSF = tpSim;
  d2.incTrab() = tpNao;
  t.Contato.FonePrinc = "11999998888";
  t.Contato.EmailPrinc = "maria@example.com";
}

void PreencherVinculoS1(TVinculo& v) {
  v.matricula = "MAT-0001";
  v.tpRegTrab = trCLT;
  v.tpRegPrev = rpRGPS;
  v.cadIni = tpNao;
  TInfoCeletista& c = v.infoRegimeTrab.InfoCeletista;
  c.DtAdm = platform::EncodeDate(2024, 1, 2);
  c.TpAdmissao = taAdmissao;
  c.IndAdmissao = iaNormal;
  c.TpRegJor = rjSubmetidosHorarioTrabalho;
  c.NatAtividade = navUrbano;
  c.dtBase = 5;
  c.cnpjSindCategProf = kCnpjEstab;
  c.matAnotJud = "ANOT-1";
  c.FGTS.DtOpcFGTS = platform::EncodeDate(2024, 1, 2);
  c.TrabTemporario.hipLeg = 1;
  c.TrabTemporario.justContr = "Substituicao de pessoal em ferias";
  c.TrabTemporario.IdeEstabVinc.TpInsc = tiCNPJ;
  c.TrabTemporario.IdeEstabVinc.NrInsc = kCnpjEstab;
  c.TrabTemporario.IdeTrabSubstituido.New().CpfTrabSubst = "11144477735";
  c.aprend.indAprend = tiapContrIndireta;
  c.aprend.cnpjEntQual = kCnpjEstab;
  c.aprend.TpInsc = tiCNPJ;
  c.aprend.NrInsc = kCnpjEstab;
  c.aprend.cnpjPrat = kCnpjEstab;
  TInfoContrato& ic = v.infoContrato;
  ic.nmCargo = "Analista";
  ic.CBOCargo = "252105";
  ic.dtIngrCargo = platform::EncodeDate(2024, 1, 2);
  ic.nmFuncao = "Analista de folha";
  ic.CBOFuncao = "252105";
  ic.acumCargo = snfNao;
  ic.CodCateg = 101;
  ic.Remuneracao.VrSalFx = 3500;
  ic.Remuneracao.UndSalFixo = sfPorMes;
  ic.Remuneracao.DscSalVar = "Comissoes";
  ic.Duracao.TpContr = PrazoDeterminado;
  ic.Duracao.dtTerm = platform::EncodeDate(2024, 12, 31);
  ic.Duracao.clauAssec = tpNao;
  ic.LocalTrabalho.LocalTrabGeral.TpInsc = tiCNPJ;
  ic.LocalTrabalho.LocalTrabGeral.NrInsc = kCnpjEstab;
  ic.LocalTrabalho.LocalTrabGeral.DescComp = "Matriz";
  TLocalTempDom& dom = ic.LocalTrabalho.LocalTempDom;  // no street type
  dom.DscLograd = "Rua do Sitio";
  dom.NrLograd = "5";
  dom.Cep = "13000000";
  dom.CodMunic = 3509502;
  dom.Uf = "SP";
  ic.HorContratual.qtdHrsSem = 44;
  ic.HorContratual.tpJornada = tjJornada12x36;
  ic.HorContratual.tmpParc = tpNaoeTempoParcial;
  ic.HorContratual.horNoturno = tpNao;
  ic.HorContratual.dscJorn = "Doze por trinta e seis";
  ic.AlvaraJudicial.NrProcJud = "00000000000000000001";
  ic.observacoes.New().observacao = "Contrato de experiencia";
  ic.treiCap().New().codTreiCap = 1006;
  v.sucessaoVinc.tpInsc() = tiCPF;
  v.sucessaoVinc.nrInsc() = "12345678909";
  v.sucessaoVinc.matricAnt = "ANT-1";
  v.sucessaoVinc.dtTransf = platform::EncodeDate(2024, 1, 1);
  v.sucessaoVinc.observacao = "Sucessao de empregador pessoa fisica";
  v.transfDom.cpfSubstituido = "11144477735";
  v.transfDom.matricAnt = "DOM-1";
  v.transfDom.dtTransf = platform::EncodeDate(2024, 1, 1);
  v.mudancaCPF.cpfAnt = "98765432100";
  v.mudancaCPF.matricAnt = "MATRICULA-ANTERIOR-000001";
  v.mudancaCPF.dtAltCPF = platform::EncodeDate(2023, 12, 1);
  v.mudancaCPF.observacao = "Mudanca de CPF por decisao administrativa";
  v.afastamento.DtIniAfast = platform::EncodeDate(2024, 2, 1);
  v.afastamento.codMotAfast = mtvAcidenteDoencaNaoTrabalho;
  v.desligamento.DtDeslig = platform::EncodeDate(2024, 12, 31);
  v.cessao.dtIniCessao = platform::EncodeDate(2024, 6, 1);
}

}  // namespace esocialtest
