// SPDX-License-Identifier: GPL-3.0-or-later
// The planning concepts' notes: what each is, the formula VEK applies and a worked example, as
// yellow pop-up notes that look and behave like the main window's concept windows. They live in
// the plugin, so start-up never pays for them.
#pragma once

class ConceptWindow;
class QWidget;

namespace vek::explore {

enum class Concept { Proportion, DesignEffect, Clusters, ResponseRate };

// The note of `concept`, hidden until shown.
ConceptWindow* CreateConceptNote(Concept topic, QWidget* parent);

}  // namespace vek::explore
