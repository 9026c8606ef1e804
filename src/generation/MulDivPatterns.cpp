#include "generation/Generators.h"

namespace kazenori {

GeneratorFn MulDivGenerator(int /*pattern*/) { return nullptr; }

}  // namespace kazenori
