#include "composition/DisplayForms.h"

namespace kazenori {

// Until the forms are written every special problem shows its first value.
std::string ComposeSpecialQuestion(ProblemRecord& rec, int, int, Random&) { return rec.strA; }

}  // namespace kazenori
