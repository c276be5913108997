#include "zsfind/variant_list.h"

#include "encoding/cp932.h"
#include "zsfind/char_fold.h"

#include <cstdio>

std::string VariantList() {
  std::string list;
  for (const std::vector<char32_t>& group : KanjiVariantGroups()) {
    for (std::size_t i = 0; i < group.size(); ++i) {
      if (i > 0) list += ' ';
      const TCp932Code code = Cp932CodeOf(group[i]);
      if (code.Length > 0) {
        list.append(reinterpret_cast<const char*>(code.Bytes), code.Length);
        continue;
      }
      char name[16];
      std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(group[i]));
      list += name;
    }
    list += '\n';
  }
  return list;
}
