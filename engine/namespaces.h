// Namespace binding of DOM elements over libxml2's tree.
//
// An element created for a namespace points to a "pending" namespace until it is appended:
// an xmlNs owned by its tree and declared nowhere. Appending binds it: the element reuses a
// declaration in scope with the same prefix and URI (normally its parent's), or gets a
// declaration of its own (the root element gets xmlns="uri"). So a subtree in one namespace
// carries one declaration, at its top.
#pragma once

#include <libxml/tree.h>

namespace vdxml_engine {

void MarkPending(xmlNsPtr ns);
bool IsPending(const xmlNs* ns);

/// The declaration of prefix (null: the default namespace) in scope at element: on the
/// element itself or an ancestor. Pending namespaces are never returned.
xmlNsPtr FindDeclared(xmlNodePtr element, const xmlChar* prefix);

/// Declares prefix = href on element; raises E_FAIL when element already declares the
/// prefix, E_OUTOFMEMORY when libxml2 cannot allocate.
xmlNsPtr Declare(xmlNodePtr element, const xmlChar* href, const xmlChar* prefix);

/// Binds the namespaces of an element just linked into its new place, and of its
/// descendants and attributes, to declarations in scope there (adding declarations where
/// none fits). Other node kinds are left alone.
void BindNamespaces(xmlNodePtr appended);

}  // namespace vdxml_engine
