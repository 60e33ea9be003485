#pragma once

// The program's context is shared with windows outside this library (the
// note file dialogs), so it lives with the services they all use.
#include "ui/services/program_context.h"
