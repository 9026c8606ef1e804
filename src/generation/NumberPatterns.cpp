#include "generation/Generators.h"

namespace kazenori {

GeneratorFn NumberGenerator(int /*pattern*/) { return nullptr; }

}  // namespace kazenori
