#include "generation/Generators.h"

namespace kazenori {

GeneratorFn AddSubGenerator(int /*pattern*/) { return nullptr; }

}  // namespace kazenori
