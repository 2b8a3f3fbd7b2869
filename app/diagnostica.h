#pragma once
// A recorded status as a compiler-style diagnostic, naming the script row
// that caused it:
//   FILE:LINE:COLUMN: error: <what is wrong> (status N, position P m)
//       <the row as written>

#include <string>

#include "store/scenario.h"

namespace compattatore {

// `file` is the script as the author knows it; a status without a row
// names the file alone.
std::string diagnostica(const stato_registrato& stato, const std::string& file);

}  // namespace compattatore
