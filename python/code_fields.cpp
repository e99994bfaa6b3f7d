// SPDX-License-Identifier: MIT
// parse(): what reading an antenna code finds.
#include <pybind11/stl.h>

#include <optional>
#include <string>

#include "model/antenna_code_reading.h"
#include "model/component_diagram.h"
#include "python/bindings.h"
#include "python/code_arguments.h"

namespace veltrisko::python {
namespace {

// The fields of an accepted code; the beam fields only for V and W codes.
struct CodeFields {
  std::string code;
  std::string family;
  std::string typeLetters;
  double leadingNumber = 0.0;
  double trailingNumber = 0.0;
  std::optional<int> beamWidthStep;
  std::optional<int> beamHalfSeparation;
  std::optional<std::string> backFieldLetter;
  std::optional<int> backSideLobeStep;
  std::optional<int> frontSideLobeStep;
};

std::string FamilyName(ComponentDiagram::Family family, const std::string& letters) {
  if (family == ComponentDiagram::Family::kV) return "V";
  if (family == ComponentDiagram::Family::kW) return "W";
  return letters;  // the two letters name every other family, ND and XX apart
}

CodeFields Parse(const std::string& code) {
  const AntennaCodeReading reading = ReadAntennaCode(code.c_str());
  const ComponentDiagram diagram = PrepareComponentDiagram(reading);
  if (diagram.family == ComponentDiagram::Family::kRejected) {
    RaiseInvalidCode(CodeRole::kComponent, code);
  }
  WarnOfCodeForms(ReadCodes(py::str(code), CodeRole::kComponent, CodeNeeds::kAccepted),
                  CodeRole::kComponent);
  CodeFields fields;
  fields.code = code;
  fields.typeLetters = reading.typeLetters;
  fields.family = FamilyName(diagram.family, fields.typeLetters);
  fields.leadingNumber = reading.leadingNumber;
  fields.trailingNumber = reading.trailingNumber;
  if (reading.IsBeamFamily()) {
    fields.beamWidthStep = reading.beamWidthStep;
    fields.beamHalfSeparation = reading.beamHalfSeparation;
    fields.backFieldLetter = std::string(1, reading.backFieldLetter);
    if (diagram.family == ComponentDiagram::Family::kW) {
      fields.backSideLobeStep = reading.backSideLobeStep;
      fields.frontSideLobeStep = reading.frontSideLobeStep;
    }
  }
  return fields;
}

}  // namespace

void DefineCodeFields(py::module_& module) {
  py::class_<CodeFields>(module, "AntennaCode",
                         "The fields of an accepted antenna code, as parse() reads them.")
      .def_readonly("code", &CodeFields::code, "The code as given.")
      .def_readonly("family", &CodeFields::family,
                    "EA, EB, EC, DE, LA, KA, CA, CB, CC, TA, ND, XX, V or W.")
      .def_readonly("type_letters", &CodeFields::typeLetters, "The type letters as read.")
      .def_readonly("leading_number", &CodeFields::leadingNumber,
                    "The first number (half-power angle, constriction factor, ...).")
      .def_readonly("trailing_number", &CodeFields::trailingNumber,
                    "The number after the letters (side-lobe radius in percent; W: the two "
                    "side-lobe steps read as one number).")
      .def_readonly("beam_width_step", &CodeFields::beamWidthStep,
                    "V and W: the digit giving each beam's half-power angle (15 + 5 * digit); "
                    "else None.")
      .def_readonly("beam_half_separation", &CodeFields::beamHalfSeparation,
                    "V and W: half the angle of the second beam in degrees; else None.")
      .def_readonly("back_field_letter", &CodeFields::backFieldLetter,
                    "V and W: the letter A..I of the relative field at 180 degrees; else None.")
      .def_readonly("back_side_lobe_step", &CodeFields::backSideLobeStep,
                    "W: the back side-lobe floor in steps of 0.05; else None.")
      .def_readonly("front_side_lobe_step", &CodeFields::frontSideLobeStep,
                    "W: the front side-lobe floor, 0.35 + 0.05 * step; else None.")
      .def("__repr__", [](const CodeFields& f) {
        return "<veltrisko.AntennaCode '" + f.code + "' family " + f.family + ">";
      });
  module.def("parse", &Parse, py::arg("code"),
             R"(Reads an antenna code: its fields and family (an AntennaCode).

Raises InvalidCodeError (a ValueError) for a code the model rejects; warns
CodeFormWarning for a code not written in the seven-character form.)");
}

}  // namespace veltrisko::python
