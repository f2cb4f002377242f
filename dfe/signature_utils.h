#pragma once
// The text routines on which XML signing rests: the signed test, the signature template and
// the reference identifier the signature points to. Stateless; safe from any thread.
#include <string>

#include "dfe/ssl.h"

namespace dfe {

// True when "<signature" occurs anywhere, ignoring letter case (a prefixed ds:Signature does not count).
bool XmlContemAssinatura(const std::string& conteudoXML);

// The enveloped-signature template, without blanks or line breaks between elements.
std::string MontarElementoAssinatura(const std::string& URI, bool comX509, const std::string& atributosSignature,
                                     TSSLDgst digest, const std::string& atributosSignatureValue);

// Value of the first IdAttr="..." inside a start tag at or after the start tag of docElement
// (text search; text content, comments and quoted values are skipped).
std::string ExtrairURIReferencia(const std::string& conteudoXML, const std::string& docElement,
                                 const std::string& idAttr);

}  // namespace dfe
