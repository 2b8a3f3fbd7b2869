#pragma once
// Keyword tests on a row's keyword field: a keyword matches anywhere in the
// field, either exactly as written or whatever the case of its letters.

#include <string_view>

namespace compattatore {

bool contiene(std::string_view campo, std::string_view parola);
// Case folds plain ASCII letters only: every keyword is plain ASCII.
bool contiene_senza_caso(std::string_view campo, std::string_view parola);

}  // namespace compattatore
