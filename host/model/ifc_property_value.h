// The nominal value of an IFC single-value property as one of the viewer's property kinds.
#pragma once

#include <ifcpp/IFC4/include/IfcValue.h>

#include "model/model.h"

namespace host {

// Sets the kind and the text or number of property; false, leaving it as it was, for a value
// that is not one text, number or truth value.
bool read_property_value(const IfcValue& value, Property& property);

}  // namespace host
