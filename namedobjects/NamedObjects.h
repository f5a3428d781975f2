// NamedObjects.h - named objects: the objects, their collections, the type registry and their
// settings text.
#pragma once

#include "NamedObject.h"
#include "NamedObjectsArray.h"
#include "NObjTypeInfo.h"
