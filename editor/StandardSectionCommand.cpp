#include "StandardSectionCommand.h"

#include "PerfilError.h"
#include "StandardSection.h"

bool StandardSectionCommand::run() {
    if (!m_files.confirmLeaving(QStringLiteral("Confirma zerar o perfil atual ?"), false))
        return false;
    const std::optional<TSectionChoice> choice = m_dialogs.chooseSection(m_last);
    if (!choice)
        return false;
    m_last = *choice;
    const TSectionDesignation& section = choice->Designation;
    bool horizontal = choice->Horizontal;
    if (const std::optional<std::string> problem = SectionFitProblem(section, horizontal)) {
        if (SectionFitProblem(section, !horizontal))
            throw PerfilError(*problem);
        if (!m_dialogs.confirm(QString::fromStdString(*problem) +
                               (horizontal
                                    ? QStringLiteral(". Sem girar, cabe: desenhar assim?")
                                    : QStringLiteral(". Girado 90°, cabe: desenhar assim?"))))
            return false;
        horizontal = !horizontal;
    }
    TProfileInfo info = m_profile.info();
    info.Name = DesignationText(section);
    info.BendRadius = choice->BendRadius;
    m_files.replaceByNew(QStringLiteral("Perfil padronizado"), SectionBars(section, horizontal),
                         info);
    return true;
}
