// SPDX-License-Identifier: GPL-3.0-or-later
#include "explore/concept_notes.h"

#include "help/concept_window.h"
#include "ui_clusters_note.h"
#include "ui_deff_note.h"
#include "ui_proportion_note.h"
#include "ui_response_note.h"

namespace vek::explore {

namespace {

// A note whose layout, texts included, is its Designer form.
template <class Layout>
class ConceptNote final : public ConceptWindow {
public:
    explicit ConceptNote(QWidget* parent) : ConceptWindow(parent) {
        layout_.setupUi(this);
        UseConceptLook();
    }

private:
    Layout layout_;
};

}  // namespace

ConceptWindow* CreateConceptNote(Concept topic, QWidget* parent) {
    switch (topic) {
        case Concept::Proportion:
            return new ConceptNote<Ui::ProportionNote>(parent);
        case Concept::DesignEffect:
            return new ConceptNote<Ui::DesignEffectNote>(parent);
        case Concept::Clusters:
            return new ConceptNote<Ui::ClustersNote>(parent);
        case Concept::ResponseRate:
            break;
    }
    return new ConceptNote<Ui::ResponseNote>(parent);
}

}  // namespace vek::explore
