#include "KySNMPVar.h"

namespace {
std::string textOf(const char* text) { return text ? text : ""; }
}  // namespace

KySNMPVar::KySNMPVar(const KySNMPVarDesc& row)
    : Oid(textOf(row.Oid)),
      Label(textOf(row.Label)),
      Syntax(row.Syntax),
      Access(row.Access),
      Options(row.Options),
      GetFormula(textOf(row.GetFormula)),
      SetFormula(textOf(row.SetFormula)),
      Extra(textOf(row.Extra)),
      Value(textOf(row.InitValue)),
      Index(textOf(row.InitIndex)) {}
