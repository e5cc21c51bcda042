// Which IFC++ value types are texts, integers, truth values and reals, and their values as properties.
#include "model/ifc_property_value.h"

#include <ifcpp/IFC4/include/IfcAbsorbedDoseMeasure.h>
#include <ifcpp/IFC4/include/IfcAccelerationMeasure.h>
#include <ifcpp/IFC4/include/IfcAmountOfSubstanceMeasure.h>
#include <ifcpp/IFC4/include/IfcAngularVelocityMeasure.h>
#include <ifcpp/IFC4/include/IfcAreaDensityMeasure.h>
#include <ifcpp/IFC4/include/IfcAreaMeasure.h>
#include <ifcpp/IFC4/include/IfcBinary.h>
#include <ifcpp/IFC4/include/IfcBoolean.h>
#include <ifcpp/IFC4/include/IfcContextDependentMeasure.h>
#include <ifcpp/IFC4/include/IfcCountMeasure.h>
#include <ifcpp/IFC4/include/IfcCurvatureMeasure.h>
#include <ifcpp/IFC4/include/IfcDate.h>
#include <ifcpp/IFC4/include/IfcDateTime.h>
#include <ifcpp/IFC4/include/IfcDescriptiveMeasure.h>
#include <ifcpp/IFC4/include/IfcDoseEquivalentMeasure.h>
#include <ifcpp/IFC4/include/IfcDuration.h>
#include <ifcpp/IFC4/include/IfcDynamicViscosityMeasure.h>
#include <ifcpp/IFC4/include/IfcElectricCapacitanceMeasure.h>
#include <ifcpp/IFC4/include/IfcElectricChargeMeasure.h>
#include <ifcpp/IFC4/include/IfcElectricConductanceMeasure.h>
#include <ifcpp/IFC4/include/IfcElectricCurrentMeasure.h>
#include <ifcpp/IFC4/include/IfcElectricResistanceMeasure.h>
#include <ifcpp/IFC4/include/IfcElectricVoltageMeasure.h>
#include <ifcpp/IFC4/include/IfcEnergyMeasure.h>
#include <ifcpp/IFC4/include/IfcForceMeasure.h>
#include <ifcpp/IFC4/include/IfcFrequencyMeasure.h>
#include <ifcpp/IFC4/include/IfcHeatFluxDensityMeasure.h>
#include <ifcpp/IFC4/include/IfcHeatingValueMeasure.h>
#include <ifcpp/IFC4/include/IfcIdentifier.h>
#include <ifcpp/IFC4/include/IfcIlluminanceMeasure.h>
#include <ifcpp/IFC4/include/IfcInductanceMeasure.h>
#include <ifcpp/IFC4/include/IfcInteger.h>
#include <ifcpp/IFC4/include/IfcIntegerCountRateMeasure.h>
#include <ifcpp/IFC4/include/IfcIonConcentrationMeasure.h>
#include <ifcpp/IFC4/include/IfcIsothermalMoistureCapacityMeasure.h>
#include <ifcpp/IFC4/include/IfcKinematicViscosityMeasure.h>
#include <ifcpp/IFC4/include/IfcLabel.h>
#include <ifcpp/IFC4/include/IfcLengthMeasure.h>
#include <ifcpp/IFC4/include/IfcLinearForceMeasure.h>
#include <ifcpp/IFC4/include/IfcLinearMomentMeasure.h>
#include <ifcpp/IFC4/include/IfcLinearStiffnessMeasure.h>
#include <ifcpp/IFC4/include/IfcLinearVelocityMeasure.h>
#include <ifcpp/IFC4/include/IfcLogical.h>
#include <ifcpp/IFC4/include/IfcLuminousFluxMeasure.h>
#include <ifcpp/IFC4/include/IfcLuminousIntensityDistributionMeasure.h>
#include <ifcpp/IFC4/include/IfcLuminousIntensityMeasure.h>
#include <ifcpp/IFC4/include/IfcMagneticFluxDensityMeasure.h>
#include <ifcpp/IFC4/include/IfcMagneticFluxMeasure.h>
#include <ifcpp/IFC4/include/IfcMassDensityMeasure.h>
#include <ifcpp/IFC4/include/IfcMassFlowRateMeasure.h>
#include <ifcpp/IFC4/include/IfcMassMeasure.h>
#include <ifcpp/IFC4/include/IfcMassPerLengthMeasure.h>
#include <ifcpp/IFC4/include/IfcModulusOfElasticityMeasure.h>
#include <ifcpp/IFC4/include/IfcModulusOfLinearSubgradeReactionMeasure.h>
#include <ifcpp/IFC4/include/IfcModulusOfRotationalSubgradeReactionMeasure.h>
#include <ifcpp/IFC4/include/IfcModulusOfSubgradeReactionMeasure.h>
#include <ifcpp/IFC4/include/IfcMoistureDiffusivityMeasure.h>
#include <ifcpp/IFC4/include/IfcMolecularWeightMeasure.h>
#include <ifcpp/IFC4/include/IfcMomentOfInertiaMeasure.h>
#include <ifcpp/IFC4/include/IfcMonetaryMeasure.h>
#include <ifcpp/IFC4/include/IfcNumericMeasure.h>
#include <ifcpp/IFC4/include/IfcPHMeasure.h>
#include <ifcpp/IFC4/include/IfcParameterValue.h>
#include <ifcpp/IFC4/include/IfcPlanarForceMeasure.h>
#include <ifcpp/IFC4/include/IfcPlaneAngleMeasure.h>
#include <ifcpp/IFC4/include/IfcPowerMeasure.h>
#include <ifcpp/IFC4/include/IfcPressureMeasure.h>
#include <ifcpp/IFC4/include/IfcRadioActivityMeasure.h>
#include <ifcpp/IFC4/include/IfcRatioMeasure.h>
#include <ifcpp/IFC4/include/IfcReal.h>
#include <ifcpp/IFC4/include/IfcRotationalFrequencyMeasure.h>
#include <ifcpp/IFC4/include/IfcRotationalMassMeasure.h>
#include <ifcpp/IFC4/include/IfcRotationalStiffnessMeasure.h>
#include <ifcpp/IFC4/include/IfcSectionModulusMeasure.h>
#include <ifcpp/IFC4/include/IfcSectionalAreaIntegralMeasure.h>
#include <ifcpp/IFC4/include/IfcShearModulusMeasure.h>
#include <ifcpp/IFC4/include/IfcSolidAngleMeasure.h>
#include <ifcpp/IFC4/include/IfcSoundPowerLevelMeasure.h>
#include <ifcpp/IFC4/include/IfcSoundPowerMeasure.h>
#include <ifcpp/IFC4/include/IfcSoundPressureLevelMeasure.h>
#include <ifcpp/IFC4/include/IfcSoundPressureMeasure.h>
#include <ifcpp/IFC4/include/IfcSpecificHeatCapacityMeasure.h>
#include <ifcpp/IFC4/include/IfcTemperatureGradientMeasure.h>
#include <ifcpp/IFC4/include/IfcTemperatureRateOfChangeMeasure.h>
#include <ifcpp/IFC4/include/IfcText.h>
#include <ifcpp/IFC4/include/IfcThermalAdmittanceMeasure.h>
#include <ifcpp/IFC4/include/IfcThermalConductivityMeasure.h>
#include <ifcpp/IFC4/include/IfcThermalExpansionCoefficientMeasure.h>
#include <ifcpp/IFC4/include/IfcThermalResistanceMeasure.h>
#include <ifcpp/IFC4/include/IfcThermalTransmittanceMeasure.h>
#include <ifcpp/IFC4/include/IfcThermodynamicTemperatureMeasure.h>
#include <ifcpp/IFC4/include/IfcTime.h>
#include <ifcpp/IFC4/include/IfcTimeMeasure.h>
#include <ifcpp/IFC4/include/IfcTimeStamp.h>
#include <ifcpp/IFC4/include/IfcTorqueMeasure.h>
#include <ifcpp/IFC4/include/IfcVaporPermeabilityMeasure.h>
#include <ifcpp/IFC4/include/IfcVolumeMeasure.h>
#include <ifcpp/IFC4/include/IfcVolumetricFlowRateMeasure.h>
#include <ifcpp/IFC4/include/IfcWarpingConstantMeasure.h>
#include <ifcpp/IFC4/include/IfcWarpingMomentMeasure.h>

#include "model/ifc_text.h"

namespace host {
namespace {

template <class... Types>
struct TypeList {};

// Every type of the IfcValue select (and its subtypes) by how IFC++ stores its value.
using TextTypes = TypeList<IfcBinary, IfcDate, IfcDateTime, IfcDescriptiveMeasure, IfcDuration, IfcIdentifier,
                           IfcLabel, IfcText, IfcTime>;
using IntegerTypes = TypeList<IfcCountMeasure, IfcInteger, IfcIntegerCountRateMeasure, IfcTimeStamp>;
using BooleanTypes = TypeList<IfcBoolean, IfcLogical>;
// IfcNumericMeasure is a number that IFC++ keeps as an int; it is a measure all the same.
using RealTypes = TypeList<
    IfcAbsorbedDoseMeasure, IfcAccelerationMeasure, IfcAmountOfSubstanceMeasure, IfcAngularVelocityMeasure,
    IfcAreaDensityMeasure, IfcAreaMeasure, IfcContextDependentMeasure, IfcCurvatureMeasure,
    IfcDoseEquivalentMeasure, IfcDynamicViscosityMeasure, IfcElectricCapacitanceMeasure,
    IfcElectricChargeMeasure, IfcElectricConductanceMeasure, IfcElectricCurrentMeasure,
    IfcElectricResistanceMeasure, IfcElectricVoltageMeasure, IfcEnergyMeasure, IfcForceMeasure,
    IfcFrequencyMeasure, IfcHeatFluxDensityMeasure, IfcHeatingValueMeasure, IfcIlluminanceMeasure,
    IfcInductanceMeasure, IfcIonConcentrationMeasure, IfcIsothermalMoistureCapacityMeasure,
    IfcKinematicViscosityMeasure, IfcLengthMeasure, IfcLinearForceMeasure, IfcLinearMomentMeasure,
    IfcLinearStiffnessMeasure, IfcLinearVelocityMeasure, IfcLuminousFluxMeasure,
    IfcLuminousIntensityDistributionMeasure, IfcLuminousIntensityMeasure, IfcMagneticFluxDensityMeasure,
    IfcMagneticFluxMeasure, IfcMassDensityMeasure, IfcMassFlowRateMeasure, IfcMassMeasure,
    IfcMassPerLengthMeasure, IfcModulusOfElasticityMeasure, IfcModulusOfLinearSubgradeReactionMeasure,
    IfcModulusOfRotationalSubgradeReactionMeasure, IfcModulusOfSubgradeReactionMeasure,
    IfcMoistureDiffusivityMeasure, IfcMolecularWeightMeasure, IfcMomentOfInertiaMeasure, IfcMonetaryMeasure,
    IfcNumericMeasure, IfcPHMeasure, IfcParameterValue, IfcPlanarForceMeasure, IfcPlaneAngleMeasure,
    IfcPowerMeasure, IfcPressureMeasure, IfcRadioActivityMeasure, IfcRatioMeasure, IfcReal,
    IfcRotationalFrequencyMeasure, IfcRotationalMassMeasure, IfcRotationalStiffnessMeasure,
    IfcSectionModulusMeasure, IfcSectionalAreaIntegralMeasure, IfcShearModulusMeasure, IfcSolidAngleMeasure,
    IfcSoundPowerLevelMeasure, IfcSoundPowerMeasure, IfcSoundPressureLevelMeasure, IfcSoundPressureMeasure,
    IfcSpecificHeatCapacityMeasure, IfcTemperatureGradientMeasure, IfcTemperatureRateOfChangeMeasure,
    IfcThermalAdmittanceMeasure, IfcThermalConductivityMeasure, IfcThermalExpansionCoefficientMeasure,
    IfcThermalResistanceMeasure, IfcThermalTransmittanceMeasure, IfcThermodynamicTemperatureMeasure,
    IfcTimeMeasure, IfcTorqueMeasure, IfcVaporPermeabilityMeasure, IfcVolumeMeasure,
    IfcVolumetricFlowRateMeasure, IfcWarpingConstantMeasure, IfcWarpingMomentMeasure>;

void store(const std::wstring& value, Property& property) { property.text = ifc_text(value); }
void store(int value, Property& property) { property.number = value; }
void store(double value, Property& property) { property.number = value; }
void store(bool value, Property& property) { property.number = value ? 1.0 : 0.0; }
// An unknown logical is not true.
void store(LogicalEnum value, Property& property) { property.number = value == LOGICAL_TRUE ? 1.0 : 0.0; }

template <class Type>
bool store_if(const IfcValue& value, PropertyKind kind, Property& property) {
  const auto* typed = dynamic_cast<const Type*>(&value);
  if (typed == nullptr) return false;
  property.kind = kind;
  store(typed->m_value, property);
  return true;
}

template <class... Types>
bool store_any(const IfcValue& value, TypeList<Types...>, PropertyKind kind, Property& property) {
  return (store_if<Types>(value, kind, property) || ...);
}

}  // namespace

bool read_property_value(const IfcValue& value, Property& property) {
  // IfcComplexNumber and IfcCompoundPlaneAngleMeasure hold several numbers: they match no list.
  return store_any(value, TextTypes{}, PropertyKind::text, property) ||
         store_any(value, IntegerTypes{}, PropertyKind::integer, property) ||
         store_any(value, BooleanTypes{}, PropertyKind::boolean, property) ||
         store_any(value, RealTypes{}, PropertyKind::real, property);
}

}  // namespace host
