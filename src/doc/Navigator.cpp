#include "doc/Navigator.h"

#include "common/Translate.h"
#include "doc/InvoiceOps.h"
#include "doc/KelvoDoc.h"
#include "doc/RouteOps.h"
#include "doc/ScreenHost.h"
#include "doc/ScreenTable.h"
#include "doc/VisitOps.h"

namespace kelvo {

Navigator::Navigator(CKelvoDoc& doc, ScreenHost& host) : m_doc(doc), m_host(host) {}

void Navigator::choose(CommandId id) {
    carryOut(id, true);
}

void Navigator::dispatch(CommandId id) {
    carryOut(id, false);
}

void Navigator::carryOut(CommandId id, bool chosen) {
    m_flags.arrowNavigation = true;
    const ScreenEntry* here = findScreen(m_screen);
    if (id == cmd::Back || id == cmd::Next) {
        const StepRule rule = !here ? nullptr : id == cmd::Back ? here->back : here->next;
        if (!rule) {
            return;
        }
        const NavFacts facts = navFacts();
        const Translation t = rule(m_flags, facts);
        if (t.resetWearerList) {
            m_doc.WearerData().ListState.Clear();
        }
        if (t.askContactSave) {
            m_host.confirmLeave();
        }
        if (t.screen != screen::None) {
            // A direct move names no command: the next Back or Next is never taken for a repeat.
            if (change(t.screen)) {
                m_lastCommand = 0;
            }
            return;
        }
        if (t.command == 0) {
            return;
        }
        id = t.command;
        chosen = false;
    }
    const ScreenCommand* command = findCommand(id);
    // Back and Next are translated first, so that two Backs in a row walk back two screens.
    if (!command || (id == m_lastCommand && !command->repeats)) {
        return;
    }
    const ScreenCommand* offered = here ? findCommand(*here, id) : nullptr;
    if (offered && !offered->enabled(m_doc)) {
        return;  // not possible on this screen now, however it arrives
    }
    CommandContext context{m_doc, m_flags, chosen && offered};
    CommandOutcome outcome = command->rule ? command->rule(context) : CommandOutcome::proceed();
    // From another screen (Back, Next) a command goes straight on to its screen.
    if (outcome.kind == CommandOutcome::Proceed && offered && command->check == Check::ByScreen) {
        outcome = m_host.runCheck(id);
    }
    int target = command->target;
    switch (outcome.kind) {
        case CommandOutcome::Stay:
            return;
        case CommandOutcome::Target:
            target = outcome.target;
            break;
        case CommandOutcome::Proceed:
            break;
    }
    if (target != screen::None && change(target)) {
        m_lastCommand = outcome.recordAs != 0 ? outcome.recordAs : id;
    }
}

bool Navigator::show(int screenIndex) {
    m_flags.safetyCheckPending = false;
    return change(screenIndex);
}

bool Navigator::change(int target) {
    if (!findScreen(target)) {
        return false;
    }
    // The new view starts its form's draft afresh as it opens; a view that cannot be opened
    // leaves the old one and its draft as they are.
    if (!m_host.openView(target)) {
        return false;
    }
    setCommandTable(target);
    return true;
}

void Navigator::setCommandTable(int screenIndex) {
    m_screen = screenIndex;
    m_host.commandsChanged();
}

NavFacts Navigator::navFacts() {
    NavFacts facts;
    facts.dud = m_doc.Config().IsDud();
    facts.invoiceList = m_doc.Invoicing().ShowsList();
    facts.routeInProgress = routeInProgress(m_doc);
    if (const CStop* stop = selectedStop(m_doc)) {
        facts.atStop = stopArrived(*stop) && !stopDeparted(*stop);
        facts.beforeArrival = !stopArrived(*stop);
    }
    facts.invoiceSettled = !m_doc.Invoicing().IsOpen() || m_doc.Invoice().IsSettled();
    const ScreenEntry* here = findScreen(m_screen);
    facts.firstEntryEnabled =
        here && !here->commands.empty() && here->commands.front().enabled(m_doc);
    return facts;
}

std::vector<MenuItem> Navigator::menu() const {
    std::vector<MenuItem> items;
    const ScreenEntry* here = findScreen(m_screen);
    if (!here) {
        return items;
    }
    for (const ScreenCommand& c : here->commands) {
        if (c.menuCaption) {
            const std::string caption = m_flags.makeALike && c.makeALikeCaption
                                            ? tr(c.makeALikeCaption)
                                            : c.caption(m_doc);
            items.push_back({c.id, caption, c.enabled(m_doc)});
        }
    }
    return items;
}

bool Navigator::isEnabled(CommandId id) const {
    const ScreenEntry* here = findScreen(m_screen);
    const ScreenCommand* command = here ? findCommand(*here, id) : nullptr;
    return command && command->enabled(m_doc);
}

bool Navigator::backEnabled() const {
    const ScreenEntry* here = findScreen(m_screen);
    return here && here->backInMenu;
}

std::string Navigator::helpCaption() const {
    const ScreenEntry* here = findScreen(m_screen);
    return here && here->help ? tr(here->name) : std::string();
}

std::string Navigator::helpText() const {
    const ScreenEntry* here = findScreen(m_screen);
    return here && here->help ? tr(here->help) : std::string();
}

}  // namespace kelvo
