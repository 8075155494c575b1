#include "platform/windows_names.h"

#include <gtest/gtest.h>

TEST(WindowsSafeName, ReplacesForbiddenCharactersAndAvoidsDevices) {
  const struct {
    std::string typed;
    std::string safe;
  } cases[] = {
      {"Maths_Form 2_Jane Doe.abcd", "Maths_Form 2_Jane Doe.abcd"},
      {"a<b>c:d\"e|f?g*h.abcd", "a_b_c_d_e_f_g_h.abcd"},
      {std::string("tab\there\x01\x1f\x7f.abcd"), std::string("tab_here__\x7f.abcd")},
      {"\xc3\xa9t\xc3\xa9.qzmrpt", "\xc3\xa9t\xc3\xa9.qzmrpt"},  // UTF-8 passes unchanged
      {"CON", "_CON"},
      {"con.qzmrpt", "_con.qzmrpt"},
      {"Nul.x.y", "_Nul.x.y"},
      {"AUX .abcdrpt", "_AUX .abcdrpt"},
      {"prn", "_prn"},
      {"COM1.abcdrpt", "_COM1.abcdrpt"},
      {"lpt9", "_lpt9"},
      {"COM0", "COM0"},
      {"COM10.abcd", "COM10.abcd"},
      {"CONSOLE.abcd", "CONSOLE.abcd"},
      {"CON_Form 2_Jane.abcd", "CON_Form 2_Jane.abcd"},
      {".qzmrpt", ".qzmrpt"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(WindowsSafeName(c.typed), c.safe) << c.typed;
}
