// Texts from IFC++ (std::wstring) as the viewer's UTF-16 texts.
#pragma once

#include <memory>
#include <string>

namespace host {

// IFC++ decodes the file's \X\, \X2\ and \S\ escapes but leaves some of its encoding undone;
// this finishes the job:
// - a quote written twice ('') becomes one, and so does a backslash (\\);
// - bytes above 0x7F written into the file as they are reach us sign-extended: a run of them is
//   read as UTF-8 when it is valid UTF-8, else byte by byte as ISO 8859-1;
// - code points above U+FFFF (wchar_t holds whole code points on Linux) become surrogate pairs;
//   surrogates decoded one by one from an escaped pair pass through, so the pair stays a pair.
std::u16string ifc_text(const std::wstring& text);

// The text of an optional IFC++ text attribute (IfcLabel, IfcText, IfcIdentifier, ...).
template <class TextType>
std::u16string ifc_text(const std::shared_ptr<TextType>& attribute) {
  return attribute ? ifc_text(attribute->m_value) : std::u16string();
}

}  // namespace host
