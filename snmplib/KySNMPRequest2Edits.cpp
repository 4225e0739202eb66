#include "KySNMPRequest2Edits.h"

#include "KyControlEvents.h"
#include "KyException.h"
#include "KyNumList.h"
#include "KyOptionList.h"
#include "KyPortList.h"
#include "KyRadioGroup.h"
#include "KyRawValue.h"
#include "KyValueTransfer.h"
#include "OctetStr.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

QString latin1(const std::string& text) { return QString::fromLatin1(text.data(), qsizetype(text.size())); }

// Octet kinds whose empty value is an empty string, not a missing one.
bool isOctetKind(int syntax) {
    switch (syntax) {
    case sxBitStr: case sxOctetStr: case sxOpaque: case sxMacAddress: case sxIPv6Address: case sxBitList:
    case sxInetAddress:
        return true;
    default:
        return false;
    }
}

bool allAlive(const KyControlBinding& binding) {
    return !binding.Controls.empty()
           && std::all_of(binding.Controls.begin(), binding.Controls.end(), [](const auto& c) { return !c.isNull(); });
}

}  // namespace

KySNMPRequest2Edits::KySNMPRequest2Edits(QWidget* owner) : KySNMPRequest2Controls(owner), Constraint(owner, true) {
    RowPaceTimer.setSingleShot(true);
    QObject::connect(&RowPaceTimer, &QTimer::timeout, &Context, [this] { ShowWaitingRows(); });
}

KySNMPRequest2Edits::~KySNMPRequest2Edits() {
    RowPaceTimer.stop();
    for (QTreeWidgetItem* item : WaitingRows) delete item;
    // The page's own selection handlers are connections of their own and stay as they are.
    QObject::disconnect(Selection);
    Bindings.clear();
}

// ---- binding

void KySNMPRequest2Edits::bindOne(int varIndex, int byteOffset, int partSyntax, const KyOptionList* options,
                                  QWidget* control) {
    const KySNMPVar& var = Request.VarList.GetVar(varIndex);
    const bool whole = byteOffset == 0 && partSyntax == var.Syntax;
    const KyOptionList* fill = options ? options : whole ? var.Options : nullptr;
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        if (!fill) throw KyException(-520);
        fill->FillComboBox(combo);
        // A prefix list needs a second control for the rest of the value, which one control cannot give.
        if (fill->Kind == KyOptionList::TextPrefixValues) throw KyException(-522);
    } else if (auto* group = qobject_cast<KyRadioGroup*>(control)) {
        if (!fill) throw KyException(-520);
        fill->FillRadioGroup(group);
    }
    KyControlBinding binding;
    binding.VarIndex = varIndex;
    binding.ByteOffset = byteOffset;
    binding.PartSyntax = partSyntax;
    binding.Options = options;
    binding.Controls.emplace_back(control);
    Bindings.push_back(std::move(binding));
}

void KySNMPRequest2Edits::BindControl(int varIndex, QWidget* control) {
    bindOne(varIndex, 0, Request.VarList.GetVar(varIndex).Syntax, nullptr, control);
}

void KySNMPRequest2Edits::BindStaticText(int varIndex, QLabel* text) { BindControl(varIndex, text); }

void KySNMPRequest2Edits::BindComboBox(int varIndex, QComboBox* combo) {
    combo->setEditable(false);
    BindControl(varIndex, combo);
}

void KySNMPRequest2Edits::BindRadioGroup(int varIndex, KyRadioGroup* group, int) { BindControl(varIndex, group); }

void KySNMPRequest2Edits::BindPartComboBox(int varIndex, int byteOffset, int partSyntax, const KyOptionList* options,
                                           QComboBox* combo) {
    combo->setEditable(false);
    bindOne(varIndex, byteOffset, partSyntax, options, combo);
}

void KySNMPRequest2Edits::bindEdits(int varIndex, int byteOffset, int partSyntax, const KyOptionList* options,
                                    const std::string& format, const std::vector<QLineEdit*>& edits,
                                    KyEditValidator validator) {
    Request.VarList.GetVar(varIndex);
    // One edit per directive whose type letter is one of "shiufn"; "%%" and the like take none.
    std::size_t taken = 0;
    for (std::size_t at = format.find('%'); at != std::string::npos && at + 1 < format.size();
         at = format.find('%', at + 2)) {
        if (std::strchr("shiufn", format[at + 1])) ++taken;
    }
    if (taken == 0 || edits.size() < taken) throw KyException(-522);
    Constraint.AttachAll(format, edits, std::move(validator));
    KyControlBinding binding;
    binding.VarIndex = varIndex;
    binding.ByteOffset = byteOffset;
    binding.PartSyntax = partSyntax;
    binding.Options = options;
    for (std::size_t k = 0; k < taken; ++k) binding.Controls.emplace_back(edits[k]);
    Bindings.push_back(std::move(binding));
}

void KySNMPRequest2Edits::BindEdits(int varIndex, const std::string& format, const std::vector<QLineEdit*>& edits,
                                    KyEditValidator validator) {
    bindEdits(varIndex, 0, Request.VarList.GetVar(varIndex).Syntax, nullptr, format, edits, std::move(validator));
}

void KySNMPRequest2Edits::BindPartEdits(int varIndex, int byteOffset, int partSyntax, const KyOptionList* options,
                                        const std::string& format, const std::vector<QLineEdit*>& edits,
                                        KyEditValidator validator) {
    bindEdits(varIndex, byteOffset, partSyntax, options, format, edits, std::move(validator));
}

void KySNMPRequest2Edits::SetConstraintOwner(QWidget* owner) { Constraint.SetOwner(owner); }

void KySNMPRequest2Edits::bindNumbered(int varIndex, const std::string& numbers, std::vector<QWidget*> controls) {
    const KySNMPVar& var = Request.VarList.GetVar(varIndex);
    KyIntList list;
    list.Delimiter = ',';
    if (!list.Parse(numbers) || list.Items.empty()) throw KyException(-12);
    if (controls.size() < list.Items.size()) throw KyException(-522);
    KyControlBinding binding;
    binding.VarIndex = varIndex;
    binding.PartSyntax = var.Syntax;
    binding.PartNumbers.assign(list.Items.begin(), list.Items.end());
    for (std::size_t k = 0; k < list.Items.size(); ++k) binding.Controls.emplace_back(controls[k]);
    Bindings.push_back(std::move(binding));
}

void KySNMPRequest2Edits::BindCheckBoxBits(int varIndex, const std::string& bitNumbers,
                                           const std::vector<QCheckBox*>& boxes) {
    bindNumbered(varIndex, bitNumbers, std::vector<QWidget*>(boxes.begin(), boxes.end()));
}

void KySNMPRequest2Edits::BindControlList(int varIndex, const std::string& partNumbers,
                                          const std::vector<QWidget*>& controls) {
    bindNumbered(varIndex, partNumbers, controls);
}

void KySNMPRequest2Edits::Unbind(int varIndex) {
    std::erase_if(Bindings, [this, varIndex](const KyControlBinding& b) {
        if (b.VarIndex != varIndex) return false;
        for (const auto& control : b.Controls)
            if (auto* edit = qobject_cast<QLineEdit*>(control.data())) Constraint.Detach(edit);
        return true;
    });
}

void KySNMPRequest2Edits::SetTextEncoding(int varIndex, const std::string& encoding) {
    for (KyControlBinding& binding : Bindings)
        if (binding.VarIndex == varIndex) binding.TextEncoding = encoding;
}

void KySNMPRequest2Edits::EnableControls(bool enabled) {
    for (const KyControlBinding& binding : Bindings)
        for (const auto& control : binding.Controls)
            if (control) control->setEnabled(enabled);
}

// ---- list view

void KySNMPRequest2Edits::BindListView(QTreeWidget* list, std::uint8_t autoEnable) {
    QObject::disconnect(Selection);
    ListView = list;
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setRootIsDecorated(false);
    list->setAllColumnsShowFocus(true);
    AutoEnable = autoEnable;
    CellOrder.clear();
    Selection = KyControlEvents::onSelectItem(list, &Context, [this](QTreeWidgetItem* item, bool selected) {
        try {
            ListItemSelected(item, selected);
        } catch (const std::exception& error) {
            ReportException(error);
        }
    });
    BuildColumns();
}

const std::vector<int>& KySNMPRequest2Edits::cellOrder() {
    // Fixed when the list is bound: a column left out of one Set still owns its cell.
    if (!CellOrder.empty()) return CellOrder;
    const KySNMPVarList& list = Request.VarList;
    for (int i = 0; i < list.GetCount(); ++i)
        if (list.IsHiddenColumn(i)) CellOrder.push_back(i);
    for (int i = 0; i < list.GetCount(); ++i)
        if (list.IsListColumn(i)) CellOrder.push_back(i);
    return CellOrder;
}

void KySNMPRequest2Edits::BuildColumns() {
    if (!ListView) return;
    const KySNMPVarList& list = Request.VarList;
    // A fresh tree has one unnamed column; pages that design their own columns keep them.
    int designed = ListView->columnCount();
    if (designed == 1 && (ListView->headerItem()->text(0).isEmpty() || ListView->headerItem()->text(0) == "1"))
        designed = 0;
    if (designed >= list.CountListColumns() + list.CountHiddenColumns()) return;

    CellOrder.clear();
    const std::vector<int> order = cellOrder();
    QStringList captions;
    for (int i : order) captions << latin1(list.GetVar(i).Label);
    ListView->clear();
    ListView->setColumnCount(int(order.size()));
    ListView->setHeaderLabels(captions);
    QHeaderView* header = ListView->header();
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(0);
    header->setSectionResizeMode(QHeaderView::Interactive);
    for (int k = 0; k < int(order.size()); ++k) {
        const bool hidden = list.IsHiddenColumn(order[std::size_t(k)]);
        header->resizeSection(k, hidden ? 0 : header->fontMetrics().horizontalAdvance(captions[k]) + 16);
    }
}

void KySNMPRequest2Edits::AddListRow() {
    if (!ListView) return;
    auto item = std::make_unique<QTreeWidgetItem>();
    const std::vector<int>& order = cellOrder();
    for (int k = 0; k < int(order.size()); ++k) {
        const KySNMPVar& var = Request.VarList.GetVar(order[std::size_t(k)]);
        if (var.Syntax == sxDisplayStr && !ListTextEncoding.empty()) {
            item->setText(k, TextOfOctets(var.Value, ListTextEncoding));
            // The shown text need not give the same octets back.
            item->setData(k, Qt::UserRole, QByteArray::fromStdString(var.Value));
        } else {
            item->setText(k, latin1(var.Syntax == sxBitList ? portBitmapToText(var.Value, true) : var.Value));
        }
    }
    if (OnListRow) OnListRow(*item);
    // A list painted per row costs far more than the network does: an asynchronous walk paints at a pace.
    if (Async == 1 && Busy) {
        WaitingRows.push_back(item.release());
        if (!RowPaceTimer.isActive()) RowPaceTimer.start(RowPace);
        return;
    }
    ListView->addTopLevelItem(item.release());
}

void KySNMPRequest2Edits::ShowWaitingRows() {
    RowPaceTimer.stop();
    if (WaitingRows.empty()) return;
    std::vector<QTreeWidgetItem*> rows;
    rows.swap(WaitingRows);
    if (!ListView) {
        for (QTreeWidgetItem* item : rows) delete item;
        return;
    }
    ListView->addTopLevelItems(QList<QTreeWidgetItem*>(rows.begin(), rows.end()));
    // Left to itself the list lays the rows out in the paint they ask for, and shows the scroll bars they need
    // only after it, which paints the list a second time: lay out and show them before the one paint.
    ListView->doItemsLayout();
    QCoreApplication::sendPostedEvents(ListView, 0);
    for (QObject* part : ListView->findChildren<QObject*>()) QCoreApplication::sendPostedEvents(part, 0);
    // What the scroll bars, shown or hidden, posted back to the list.
    QCoreApplication::sendPostedEvents(ListView, 0);
}

void KySNMPRequest2Edits::ReadSelectedRow() {
    if (!ListView) return;
    const QList<QTreeWidgetItem*> selected = ListView->selectedItems();
    if (!selected.isEmpty()) ReadRow(selected.front());
}

void KySNMPRequest2Edits::ReadRow(const QTreeWidgetItem* line) {
    const std::vector<int>& order = cellOrder();
    for (int k = 0; k < int(order.size()); ++k) {
        const int i = order[std::size_t(k)];
        KySNMPVar& var = Request.VarList.GetVar(i);
        const QVariant octets = line->data(k, Qt::UserRole);
        const std::string cell = octets.isValid() ? octets.toByteArray().toStdString() : line->text(k).toLatin1().toStdString();
        var.Value = var.Syntax == sxBitList ? bracketedHex(cell) : cell;
        if (std::size_t(i) < Provided.size()) Provided[std::size_t(i)] = true;
    }
}

// ---- value transfer

void KySNMPRequest2Edits::ValuesToControls(int which) {
    for (const KyControlBinding& binding : Bindings) {
        if (which != -1 && binding.VarIndex != which) continue;
        const KySNMPVar& var = Request.VarList.GetVar(binding.VarIndex);
        if (var.Access & afInvalid) continue;
        if (!allAlive(binding)) continue;
        ValueToBinding(binding, var);
        // A rejected entry then brings back what the device holds, never an empty text.
        for (const auto& control : binding.Controls)
            if (auto* edit = qobject_cast<QLineEdit*>(control.data())) Constraint.RememberText(edit);
    }
}

std::string KySNMPRequest2Edits::portListTemplate(int varIndex) const {
    const auto readHex = [](const std::string& hex) {
        const auto octets = OctetStr::from_hex_string(hex);
        return octets && !octets->empty();
    };
    const std::string& value = Request.VarList.GetVar(varIndex).Value;
    if (readHex(value)) return value;
    // While a form's Set collects, the value was emptied: the template is the value read before. A list's
    // value before is another row's, never a template.
    if (!ListView && std::size_t(varIndex) < ValuesBeforeCollect.size() && readHex(ValuesBeforeCollect[std::size_t(varIndex)]))
        return ValuesBeforeCollect[std::size_t(varIndex)];
    // Nothing read (a row being added, a column whose walk ended): the bit list's own length.
    return std::string(2 * BitListOctets, '0');
}

bool KySNMPRequest2Edits::keepsOtherOctets(int varIndex) const {
    const KySNMPVar& var = Request.VarList.GetVar(varIndex);
    return std::any_of(Bindings.begin(), Bindings.end(), [&](const KyControlBinding& b) {
        return b.VarIndex == varIndex && (!IsWholeValue(b, var) || !b.PartNumbers.empty());
    });
}

void KySNMPRequest2Edits::ControlsToValues(int which) {
    KySNMPVarList& list = Request.VarList;
    for (int i = 0; i < list.GetCount(); ++i) {
        if ((which != -1 && i != which) || !list.IsSettable(i)) continue;
        KySNMPVar& var = list.GetVar(i);
        std::string w;
        bool bound = false;
        bool provided = false;
        for (const KyControlBinding& binding : Bindings) {
            if (binding.VarIndex != i || !allAlive(binding)) continue;
            if (!bound) {
                bound = true;
                // Pieces and bits keep the octets they do not reach; a whole value is made only of what its
                // controls hold, whatever form the value read had.
                if (var.Syntax != sxDisplayStr && keepsOtherOctets(i)) {
                    const std::string t = var.Options ? var.Options->LabelToValue(var.Value) : var.Value;
                    w = t.empty() ? std::string() : TextToOctets(t, var.Syntax);
                }
            }
            std::string q;
            if (!BindingToOctets(binding, var, portListTemplate(i), q)) continue;
            const std::size_t offset = std::size_t(binding.ByteOffset);
            if (w.size() < offset + q.size()) w.resize(offset + q.size(), '\0');
            w.replace(offset, q.size(), q);
            provided = true;
        }
        if (!provided) continue;
        var.Value = w.empty() && isOctetKind(var.Syntax) ? std::string() : OctetsToText(w, var.Syntax);
        if (var.Options) var.Value = var.Options->ValueToLabel(var.Value);
        if (std::size_t(i) < Provided.size()) Provided[std::size_t(i)] = true;
    }
}

// ---- slots

void KySNMPRequest2Edits::BeforeGet() {
    ShowWaitingRows();
    if (ListView) {
        BuildColumns();
        ListView->clear();
    }
    if (OnBeforeGet) OnBeforeGet();
}

void KySNMPRequest2Edits::BeforeSet() {
    if (OnBeforeSet) OnBeforeSet();
}

void KySNMPRequest2Edits::RowReceived() {
    // No message loop here: rows are painted between pump ticks, and nothing can close the page under us.
    if (ListView) AddListRow();
    else ValuesToControls(-1);
}

void KySNMPRequest2Edits::CollectForSet() {
    KySNMPVarList& list = Request.VarList;
    struct Done {
        KySNMPRequest2Edits& Binder;
        ~Done() {
            Binder.ValuesBeforeCollect.clear();
            Binder.Provided.clear();
        }
    } done{*this};
    ValuesBeforeCollect.clear();
    for (int i = 0; i < list.GetCount(); ++i) {
        ValuesBeforeCollect.push_back(list.GetVar(i).Value);
        list.GetVar(i).Value.clear();
    }
    Provided.assign(std::size_t(list.GetCount()), false);
    if (ListView) ReadSelectedRow();
    // A column whose walk ended before the row's gives no value to write.
    for (int i = 0; i < list.GetCount(); ++i) {
        if (list.GetVar(i).Value != "(NOTDONE)") continue;
        list.GetVar(i).Value.clear();
        Provided[std::size_t(i)] = false;
    }
    ControlsToValues(-1);
    // A settable variable that no control, list cell or value provides is not written as empty or 0.
    for (int i = 0; i < list.GetCount(); ++i) {
        const bool key = IsTableList() && i < list.KeyCount;
        if (!Provided[std::size_t(i)] && !key && list.IsSettable(i) && list.GetVar(i).Value.empty())
            LeaveOutOfThisSet(i);
    }
}

void KySNMPRequest2Edits::ReadEnded() { ShowWaitingRows(); }

void KySNMPRequest2Edits::GetDone() {
    if (ListView && AutoEnable == 1 && Request.VarList.ItemType == MVT_FMV) EnableControls(false);
    if (OnGetDone) OnGetDone();
}

void KySNMPRequest2Edits::SetDone() {
    if (OnSetDone) OnSetDone();
}

void KySNMPRequest2Edits::ListItemSelected(QTreeWidgetItem* item, bool selected) {
    if (!selected) return;
    if (AutoEnable == 1) EnableControls(true);
    // A click makes the line current before it is selected: read the line the event names.
    if (ListView && item) ReadRow(item);
    ValuesToControls(-1);
}
