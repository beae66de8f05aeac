namespace exl
{
PopupClient::~PopupClient() { destroy(); }

bool PopupClient::findHost (juce::Component& start)
{
    for (auto* component = &start; component != nullptr; component = component->getParentComponent())
    {
        if (auto* found = dynamic_cast<PopupHost*> (component))
        {
            host = found;
            return true;
        }
    }
    return false;
}

bool PopupClient::create()
{
    if (host == nullptr)
        return false;
    number = host->createPopup();
    return true;
}

bool PopupClient::isValid()
{
    if (host == nullptr || number == 0)
        return false;
    if (host->isValid (number))
        return true;
    number = 0;
    return false;
}

void PopupClient::setSize (int width, int height)
{
    if (isValid())
        host->resizePopup (number, width, height);
}

void PopupClient::destroy()
{
    if (! isValid())
        return;
    host->destroyPopup (number);
    number = 0;
}

void PopupClient::setRelativeComponent (juce::Component& relative, bool cover)
{
    if (isValid())
        host->setRelativeComponent (number, relative, cover);
}

void PopupClient::setAlignment (PopupAlignment alignment)
{
    if (isValid())
        host->setAlignment (number, alignment);
}

void PopupClient::setCloseCondition (PopupCloseCondition condition)
{
    if (isValid())
        host->setCloseCondition (number, condition);
}

void PopupClient::setContentComponent (std::unique_ptr<juce::Component> content)
{
    if (isValid())
        host->setPopupComponent (number, std::move (content));
    // An invalid handle lets the content go here.
}

void PopupClient::show()
{
    if (isValid())
        host->showPopup (number);
}
} // namespace exl
