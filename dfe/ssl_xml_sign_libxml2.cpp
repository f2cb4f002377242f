#include "dfe/ssl_xml_sign_libxml2.h"

#include <libxml/SAX2.h>
#include <libxml/c14n.h>
#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlerror.h>
#include <libxml/xmlsave.h>
#include <libxml/xmlschemas.h>

#include <memory>
#include <mutex>
#include <string>

#include "dfe/signature_utils.h"
#include "dfe/ssl_xml_sign_libxml2_schemas.h"
#include "dfe/xml_declaration.h"
#include "platform/base64.h"
#include "platform/strings.h"
#include "platform/text_utils.h"

namespace dfe {

using libxml2::DetalhesUltimoErro;

namespace {

constexpr const char* kNsXmlDSig = "http://www.w3.org/2000/09/xmldsig#";

struct DocFree {
  void operator()(xmlDoc* d) const { xmlFreeDoc(d); }
};
using DocPtr = std::unique_ptr<xmlDoc, DocFree>;

const xmlChar* X(const char* s) { return reinterpret_cast<const xmlChar*>(s); }
const char* C(const xmlChar* s) { return reinterpret_cast<const char*>(s); }

std::string SemPrefixo(const std::string& nome) {
  auto p = nome.find(':');
  return p == std::string::npos ? nome : nome.substr(p + 1);
}

// CR LF and CR become LF, then every LF goes.
std::string RemoverQuebrasDeLinha(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (char c : s)
    if (c != '\r' && c != '\n') out += c;
  return out;
}

// Line feeds leave the text of every node, where a serialiser would write them as they are;
// a line break between attributes or inside a tag is no content, and one inside an attribute
// value the parser has already turned into a blank. Carriage returns in content can only
// come from character references and are written escaped.
void RemoverQuebrasDoConteudo(xmlNode* no) {
  for (xmlNode* n = no->children; n != nullptr; n = n->next) {
    switch (n->type) {
      case XML_TEXT_NODE:
      case XML_CDATA_SECTION_NODE:
      case XML_COMMENT_NODE:
      case XML_PI_NODE:
        if (n->content != nullptr && xmlStrchr(n->content, '\n') != nullptr) {
          std::string semQuebras = C(n->content);
          std::erase(semQuebras, '\n');
          xmlNodeSetContent(n, X(semQuebras.c_str()));
        }
        break;
      case XML_ELEMENT_NODE:
        RemoverQuebrasDoConteudo(n);
        break;
      default:
        break;
    }
  }
}

// Declarations of external entities are dropped, so their content is never fetched; a reference
// to one is then an undeclared entity and the document is refused.
void DeclararEntidadeInterna(void* ctx, const xmlChar* name, int type, const xmlChar* publicId, const xmlChar* systemId,
                             xmlChar* content) {
  if (type == XML_EXTERNAL_GENERAL_PARSED_ENTITY || type == XML_EXTERNAL_GENERAL_UNPARSED_ENTITY ||
      type == XML_EXTERNAL_PARAMETER_ENTITY)
    return;
  xmlSAX2EntityDecl(ctx, name, type, publicId, systemId, content);
}

bool TemReferenciaEntidade(xmlNode* no) {
  for (xmlNode* f = no->children; f != nullptr; f = f->next) {
    if (f->type == XML_ENTITY_REF_NODE) return true;
    if (f->type == XML_ELEMENT_NODE && TemReferenciaEntidade(f)) return true;
  }
  return false;
}

// Parses with internal entities replaced, and without loading external entities, external DTDs
// or anything from the network. Errors go to the last-error record, not to the console.
xmlDoc* InterpretarXML(const std::string& texto) {
  xmlResetLastError();
  xmlParserCtxtPtr ctxt = xmlNewParserCtxt();
  if (ctxt == nullptr) return nullptr;
  ctxt->sax->entityDecl = DeclararEntidadeInterna;
  xmlDoc* doc = xmlCtxtReadMemory(ctxt, texto.data(), static_cast<int>(texto.size()), nullptr, nullptr,
                                  XML_PARSE_NOENT | XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
  // A reference left unreplaced names an entity that was not declared (or was external).
  if (doc != nullptr && (!ctxt->wellFormed || TemReferenciaEntidade(reinterpret_cast<xmlNode*>(doc)))) {
    xmlFreeDoc(doc);
    doc = nullptr;
  }
  xmlFreeParserCtxt(ctxt);
  return doc;
}

bool NoConfere(xmlNode* no, const std::string& nome, const std::string& ns) {
  if (no->type != XML_ELEMENT_NODE || nome != C(no->name)) return false;
  if (ns.empty()) return true;
  return no->ns != nullptr && no->ns->href != nullptr && ns == C(no->ns->href);
}

xmlNode* LocalizarNo(xmlNode* inicio, const std::string& nome, const std::string& ns = "") {
  if (inicio == nullptr) return nullptr;
  if (platform::Trim(nome).empty() || NoConfere(inicio, nome, ns)) return inicio;
  for (xmlNode* filho = inicio->children; filho != nullptr; filho = filho->next) {
    if (filho->type != XML_ELEMENT_NODE) continue;
    if (xmlNode* achado = LocalizarNo(filho, nome, ns)) return achado;
  }
  return nullptr;
}

std::string C14N(xmlDoc* doc) {
  xmlChar* saida = nullptr;
  int tamanho = xmlC14NDocDumpMemory(doc, nullptr, XML_C14N_1_0, nullptr, 0, &saida);
  std::string out;
  if (tamanho > 0 && saida != nullptr) out.assign(C(saida), static_cast<std::size_t>(tamanho));
  if (saida != nullptr) xmlFree(saida);
  if (tamanho < 0 || out.empty()) throw ETrivoDFeException("Erro ao aplicar transformação C14N");
  return out;
}

// Canonical form of one element: the whole document when it is the root, else a copy of it
// as the root of a document of its own, with the root's namespace declarations in scope.
std::string CanonizarNo(xmlDoc* doc, xmlNode* no) {
  xmlNode* raiz = xmlDocGetRootElement(doc);
  if (no == raiz) return C14N(doc);
  DocPtr temp(xmlNewDoc(X("1.0")));
  xmlNode* copia = temp ? xmlDocCopyNode(no, temp.get(), 1) : nullptr;
  if (copia == nullptr) throw ETrivoDFeException("Erro ao selecionar os elementos do XML.");
  xmlDocSetRootElement(temp.get(), copia);
  for (xmlNs* ns = raiz->nsDef; ns != nullptr; ns = ns->next) {
    bool declarado = false;
    for (xmlNs* d = copia->nsDef; d != nullptr; d = d->next)
      if ((d->prefix == nullptr && ns->prefix == nullptr) ||
          (d->prefix != nullptr && ns->prefix != nullptr && xmlStrEqual(d->prefix, ns->prefix)))
        declarado = true;
    if (!declarado) xmlNewNs(copia, ns->href, ns->prefix);
  }
  return C14N(temp.get());
}

std::string CanonizarElemento(xmlDoc* doc, const std::string& nomeElemento) {
  const std::string nome = SemPrefixo(nomeElemento);
  if (nome.empty()) return C14N(doc);
  xmlNode* raiz = xmlDocGetRootElement(doc);
  if (raiz == nullptr) throw ETrivoDFeException("Erro: Falha ao localizar o nó Raiz");
  xmlNode* no = LocalizarNo(raiz, nome);
  if (no == nullptr) throw ETrivoDFeException("Erro: Falha ao localizar o nó de Assinatura");
  return CanonizarNo(doc, no);
}

xmlNode* UltimoFilhoElemento(xmlNode* no) {
  xmlNode* ultimo = no->last;
  while (ultimo != nullptr && ultimo->type != XML_ELEMENT_NODE) ultimo = ultimo->prev;
  return ultimo;
}

// Appends the signature template (or a serialised signature) as the last child of the target.
xmlNode* InserirAssinatura(xmlDoc* doc, const std::string& assinatura, const std::string& docElement) {
  const std::string fragmento = "<a>" + assinatura + "</a>";
  DocPtr temp(xmlReadMemory(fragmento.data(), static_cast<int>(fragmento.size()), nullptr, nullptr,
                            XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING));
  if (!temp || xmlDocGetRootElement(temp.get()) == nullptr)
    throw ETrivoDFeException(DetalhesUltimoErro("Erro: Falha ao interpretar o XML \"xmlReadMemory\""));
  xmlNode* raiz = xmlDocGetRootElement(doc);
  xmlNode* alvo = raiz;
  if (!docElement.empty()) alvo = LocalizarNo(raiz, SemPrefixo(docElement));
  if (alvo == nullptr) throw ETrivoDFeException("Nenhum elemento encontrado");
  for (xmlNode* filho = xmlDocGetRootElement(temp.get())->children; filho != nullptr; filho = filho->next) {
    xmlNode* copia = xmlDocCopyNode(filho, doc, 1);
    if (copia == nullptr) throw ETrivoDFeException("Erro ao selecionar os elementos do XML.");
    xmlAddChild(alvo, copia);
  }
  return UltimoFilhoElemento(alvo);
}

xmlNode* LocalizarAssinatura(xmlDoc* doc, const std::string& infElement, const std::string& nomeAssinatura,
                             const std::string& nsAssinatura) {
  xmlNode* raiz = xmlDocGetRootElement(doc);
  if (raiz == nullptr) return nullptr;
  if (!infElement.empty()) {
    if (xmlNode* inf = LocalizarNo(raiz, SemPrefixo(infElement))) {
      xmlNode* pai = inf->parent;
      if (pai != nullptr && pai->type == XML_ELEMENT_NODE && pai->name != nullptr) {
        for (xmlNode* n = pai->last; n != nullptr && n != inf; n = n->prev)
          if (NoConfere(n, nomeAssinatura, nsAssinatura)) return n;
      } else {
        for (xmlNode* n = inf->next; n != nullptr; n = n->next)
          if (NoConfere(n, nomeAssinatura, nsAssinatura)) return n;
      }
    }
  }
  if (xmlNode* ultimo = UltimoFilhoElemento(raiz); ultimo != nullptr && NoConfere(ultimo, nomeAssinatura, nsAssinatura))
    return ultimo;
  for (xmlNode* n = raiz->next; n != nullptr; n = n->next)
    if (NoConfere(n, nomeAssinatura, nsAssinatura)) return n;
  return nullptr;
}

std::string Serializar(xmlNode* no) {
  std::unique_ptr<xmlBuffer, decltype(&xmlBufferFree)> buffer(xmlBufferCreate(), &xmlBufferFree);
  xmlSaveCtxtPtr save = xmlSaveToBuffer(buffer.get(), "UTF-8", XML_SAVE_NO_EMPTY | XML_SAVE_NO_DECL);
  if (save == nullptr) throw ETrivoDFeException("Erro ao serializar o XML");
  xmlSaveTree(save, no);
  xmlSaveClose(save);
  return std::string(C(xmlBufferContent(buffer.get())), static_cast<std::size_t>(xmlBufferLength(buffer.get())));
}

// The whole document without formatting and with empty elements as start and end tag; the
// top-level nodes follow each other with no line break between them.
std::string SerializarDocumento(xmlDoc* doc, bool comDeclaracao) {
  std::string out;
  if (comDeclaracao) {
    out = "<?xml version=\"";
    out += doc->version != nullptr ? C(doc->version) : "1.0";
    out += "\" encoding=\"";
    out += doc->encoding != nullptr ? C(doc->encoding) : "UTF-8";
    out += "\"";
    if (doc->standalone == 1) out += " standalone=\"yes\"";
    if (doc->standalone == 0) out += " standalone=\"no\"";
    out += "?>";
  }
  for (xmlNode* n = doc->children; n != nullptr; n = n->next) {
    std::string parte = Serializar(n);
    // Inside the root the content has no line feed left; between top-level nodes none is kept.
    out += n->type == XML_ELEMENT_NODE ? parte : RemoverQuebrasDeLinha(parte);
  }
  return out;
}

std::string TextoEntre(const std::string& s, const std::string& ini, const std::string& fim) {
  auto p = s.find(ini);
  if (p == std::string::npos) return {};
  p += ini.size();
  auto q = s.find(fim, p);
  if (q == std::string::npos) return {};
  return s.substr(p, q - p);
}

std::string ConteudoDoNo(xmlNode* no) {
  xmlChar* c = xmlNodeGetContent(no);
  std::string out = c != nullptr ? C(c) : "";
  if (c != nullptr) xmlFree(c);
  return out;
}

std::string Base64Decodificado(const std::string& texto) {
  auto bytes = platform::Base64Decode(platform::Trim(texto));
  return bytes ? *bytes : std::string();
}

}  // namespace

TDFeSSLXmlSignLibXml2::TDFeSSLXmlSignLibXml2(TDFeSSL& aDFeSSL) : TDFeSSLXmlSignClass(aDFeSSL) {}

void TDFeSSLXmlSignLibXml2::InicializarLibXml2() {
  if (FLibXml2Inicializada) return;
  // Linked directly; parse and save settings are given per call, nothing global is changed.
  // The library's own set-up runs once, whichever thread validates or signs first.
  static std::once_flag once;
  std::call_once(once, xmlInitParser);
  if (!xmlHasFeature(XML_WITH_C14N) || !xmlHasFeature(XML_WITH_SCHEMAS))
    throw ETrivoDFeException("Erro ao inicializar a Biblioteca LibXML2");
  FLibXml2Inicializada = true;
}

void TDFeSSLXmlSignLibXml2::AjustarNoAssinatura(std::string& signatureNode, std::string& selectionNamespaces) {
  signatureNode = "Signature";
  selectionNamespaces = kNsXmlDSig;
}

std::string TDFeSSLXmlSignLibXml2::Assinar(const std::string& conteudoXML, const std::string& docElement,
                                           const std::string& infElement, const std::string& signatureNode,
                                           const std::string& selectionNamespaces, const std::string& idSignature,
                                           const std::string& idAttr, const std::string& idSignatureValue) {
  InicializarLibXml2();
  const bool declaraUTF8 = platform::DeclaraUTF8(conteudoXML);
  std::string texto = declaraUTF8 ? conteudoXML : kDeclaracaoUTF8 + RemoverDeclaracaoXML(conteudoXML);
  const std::string uri = ExtrairURIReferencia(texto, docElement, idAttr);

  DocPtr doc(InterpretarXML(texto));
  if (!doc) throw ETrivoDFeException(DetalhesUltimoErro("Erro: Falha ao interpretar o XML \"xmlParseDoc\""));
  // Line breaks go before the digest is taken, so the signed output is what was digested.
  RemoverQuebrasDoConteudo(reinterpret_cast<xmlNode*>(doc.get()));

  std::string nomeAssinatura = signatureNode, nsAssinatura = selectionNamespaces;
  AjustarNoAssinatura(nomeAssinatura, nsAssinatura);
  if (xmlNode* antiga = LocalizarAssinatura(doc.get(), infElement, nomeAssinatura, nsAssinatura)) {
    xmlUnlinkNode(antiga);
    xmlFreeNode(antiga);
  }

  const std::string canonico =
      uri.empty() ? CanonizarElemento(doc.get(), "") : CanonizarElemento(doc.get(), infElement);

  const std::string modelo = MontarElementoAssinatura(uri, true, idSignature, FpDFeSSL.SSLDgst(), idSignatureValue);
  xmlNode* assinatura = InserirAssinatura(doc.get(), modelo, docElement);

  xmlNode* digestValue = LocalizarNo(assinatura, "DigestValue");
  if (digestValue == nullptr) throw ETrivoDFeException("Node DigestValue não encontrado");
  const std::string digest = FpDFeSSL.CalcHash(std::string_view(canonico), FpDFeSSL.SSLDgst(), outBase64, false);
  xmlNodeSetContent(digestValue, X(digest.c_str()));

  // The SignedInfo of this signature, not of another one signed earlier inside the document.
  xmlNode* signedInfoNo = LocalizarNo(assinatura, "SignedInfo");
  if (signedInfoNo == nullptr) throw ETrivoDFeException("Node SignedInfo não encontrado");
  const std::string signedInfo = CanonizarNo(doc.get(), signedInfoNo);
  const std::string valor = FpDFeSSL.CalcHash(std::string_view(signedInfo), FpDFeSSL.SSLDgst(), outBase64, true);
  xmlNode* signatureValue = LocalizarNo(assinatura, "SignatureValue");
  if (signatureValue == nullptr) throw ETrivoDFeException("Node SignatureValue não encontrado");
  xmlNodeSetContent(signatureValue, X(valor.c_str()));

  xmlNode* certificado = LocalizarNo(assinatura, "X509Certificate");
  if (certificado == nullptr) throw ETrivoDFeException("Node X509Certificate não encontrado");
  xmlNodeSetContent(certificado, X(FpDFeSSL.DadosCertificado().DERBase64.c_str()));

  return SerializarDocumento(doc.get(), declaraUTF8);
}

bool TDFeSSLXmlSignLibXml2::VerificarAssinatura(const std::string& conteudoXML, std::string& msgErro,
                                                const std::string& infElement, const std::string& signatureNode,
                                                const std::string& selectionNamespaces, const std::string&,
                                                const std::string&) {
  InicializarLibXml2();
  msgErro.clear();
  // Whatever the outcome, the certificate goes: the one checked here is only the signer's.
  struct Descarregar {
    TDFeSSL& ssl;
    ~Descarregar() { ssl.DescarregarCertificado(); }
  } descarregar{FpDFeSSL};
  DocPtr doc(InterpretarXML(conteudoXML));
  if (!doc) {
    msgErro = DetalhesUltimoErro("Erro: Falha ao interpretar o XML \"xmlParseDoc\"");
    return false;
  }

  xmlNode* raiz = xmlDocGetRootElement(doc.get());
  if (raiz == nullptr) {
    msgErro = "Erro: Falha ao localizar o nó Raiz";
    return false;
  }
  std::string nomeAssinatura = signatureNode, nsAssinatura = selectionNamespaces;
  AjustarNoAssinatura(nomeAssinatura, nsAssinatura);
  xmlNode* assinatura = LocalizarAssinatura(doc.get(), infElement, nomeAssinatura, nsAssinatura);
  if (assinatura == nullptr) {
    msgErro = "Erro: Falha ao localizar o nó de Assinatura";
    return false;
  }

  try {
    const std::string textoAssinatura = Serializar(assinatura);
    const std::string uri = TextoEntre(textoAssinatura, "<Reference URI=\"", "\">");
    xmlNode* digestNo = LocalizarNo(assinatura, "DigestValue");
    const std::string digestValue = digestNo != nullptr ? Base64Decodificado(ConteudoDoNo(digestNo)) : std::string();
    const TSSLDgst dgst = DigestDaAssinatura(textoAssinatura);

    std::string canonico;
    if (!uri.empty()) {
      canonico = CanonizarElemento(doc.get(), infElement);
    } else {
      xmlUnlinkNode(assinatura);
      xmlFreeNode(assinatura);
      canonico = CanonizarElemento(doc.get(), "");
      assinatura = InserirAssinatura(doc.get(), textoAssinatura, "");
    }

    if (digestValue.empty() || !FpDFeSSL.ValidarHash(std::string_view(canonico), dgst, digestValue, false)) {
      msgErro = "DigestValue não confere. Conteúdo de \"" + infElement + "\" foi alterado";
      return false;
    }

    xmlNode* certNo = LocalizarNo(assinatura, "X509Certificate");
    FpDFeSSL.CarregarCertificadoPublico(certNo != nullptr ? platform::Trim(ConteudoDoNo(certNo)) : "");
    xmlNode* signedInfoNo = LocalizarNo(assinatura, "SignedInfo");
    if (signedInfoNo == nullptr) return false;
    const std::string signedInfo = CanonizarNo(doc.get(), signedInfoNo);
    xmlNode* valorNo = LocalizarNo(assinatura, "SignatureValue");
    const std::string valor = valorNo != nullptr ? Base64Decodificado(ConteudoDoNo(valorNo)) : std::string();
    if (valor.empty()) return false;
    return FpDFeSSL.ValidarHash(std::string_view(signedInfo), dgst, valor, true);
  } catch (const std::exception& e) {
    msgErro = e.what();
    return false;
  }
}

bool TDFeSSLXmlSignLibXml2::Validar(const std::string& conteudoXML, const std::string& arqSchema,
                                    std::string& msgErro) {
  InicializarLibXml2();
  msgErro.clear();
  DocPtr doc(InterpretarXML(conteudoXML));
  if (!doc || xmlDocGetRootElement(doc.get()) == nullptr) {
    msgErro = DetalhesUltimoErro("Erro: Falha ao interpretar o XML \"xmlParseDoc\"");
    return false;
  }

  const libxml2::SchemaPtr schema = libxml2::SchemaDoArquivo(arqSchema, msgErro);
  if (!schema) return false;
  xmlResetLastError();
  xmlSchemaValidCtxtPtr valid = xmlSchemaNewValidCtxt(schema.get());
  if (valid == nullptr) {
    msgErro = DetalhesUltimoErro("Erro: Não foi possivel criar um contexto para o Schema");
    return false;
  }
  xmlSchemaSetValidStructuredErrors(valid, libxml2::IgnorarErroEstruturado, nullptr);
  xmlResetLastError();
  int resultado = xmlSchemaValidateDoc(valid, doc.get());
  bool ok = resultado == 0;
  if (!ok) {
    msgErro = DetalhesUltimoErro("");
    if (msgErro.empty()) msgErro = "Erro indefinido, ao validar o Documento com o Schema";
  }
  xmlSchemaFreeValidCtxt(valid);
  return ok;
}

}  // namespace dfe
