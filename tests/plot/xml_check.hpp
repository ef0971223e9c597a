// A small well-formedness check of XML documents, enough for the pictures:
// one root element, tags that nest and match, quoted attributes, no two
// attributes of one name, character and entity references that exist, no
// bare '<' or '&' in text. Returns what is wrong, or an empty text.
#pragma once

#include <string>
#include <string_view>

namespace plot_test {

std::string xml_fault(std::string_view document);

// How many elements of the tag the document holds.
int count_elements(std::string_view document, std::string_view tag);

}  // namespace plot_test
