/* Everything a plug-in sees of its host. */
#ifndef CORVANE_SDK_SDK_H
#define CORVANE_SDK_SDK_H

#include "corvane/types.h"
#include "corvane/message.h"
#include "corvane/art.h"
#include "corvane/path.h"
#include "corvane/geometry.h"
#include "corvane/document.h"
#include "corvane/shapes.h"
#include "corvane/services.h"
#include "corvane/dialogs.h"

#endif
