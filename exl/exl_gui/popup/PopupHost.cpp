namespace exl
{
class PopupHost::Impl : public juce::MouseListener
{
public:
    struct Layer
    {
        std::unique_ptr<juce::Component> content;
        int width = 0;
        int height = 0;
        PopupAlignment alignment = PopupAlignment::Below;
        PopupCloseCondition closeCondition = PopupCloseCondition::ClickOutside;
        juce::Component::SafePointer<juce::Component> relative;
        std::unique_ptr<juce::Component> cover;
    };

    explicit Impl (juce::Component& hostToServe) : host (hostToServe) { host.addMouseListener (this, true); }

    ~Impl() override
    {
        host.removeMouseListener (this);
        // Contents may ask the host about their popups while they go; let them find an empty map.
        auto dying = std::move (layers);
        layers.clear();
    }

    Layer* find (int popup)
    {
        const auto found = layers.find (popup);
        return found == layers.end() ? nullptr : found->second.get();
    }

    void remove (int popup)
    {
        const auto found = layers.find (popup);
        if (found == layers.end())
            return;
        const auto dying = std::move (found->second);
        layers.erase (found);
    }

    [[nodiscard]] juce::Rectangle<int> relativeBounds (const Layer& layer) const
    {
        if (layer.relative == nullptr)
            return {};
        return host.getLocalArea (layer.relative.getComponent(), layer.relative->getLocalBounds());
    }

    void layout (Layer& layer)
    {
        if (layer.relative == nullptr)
        {
            if (layer.cover != nullptr)
                layer.cover->setBounds ({});
            return;
        }

        const auto r = relativeBounds (layer);
        const auto w = layer.width;
        const auto h = layer.height;
        auto x = r.getX() + (r.getWidth() - w) / 2;
        auto y = r.getY() + (r.getHeight() - h) / 2;
        switch (layer.alignment)
        {
            case PopupAlignment::Below:
                y = r.getBottom();
                break;
            case PopupAlignment::Above:
                y = r.getY() - h;
                break;
            case PopupAlignment::AlignTop:
                y = r.getY();
                break;
            case PopupAlignment::AlignBottom:
                y = r.getBottom() - h;
                break;
            case PopupAlignment::RightOf:
                x = r.getRight();
                break;
            case PopupAlignment::Centred:
            default:
                break;
        }
        x = std::clamp (x, 0, std::max (host.getWidth() - w, 0));
        y = std::clamp (y, 0, std::max (host.getHeight() - h, 0));

        if (layer.content != nullptr)
            layer.content->setBounds (x, y, std::min (w, host.getWidth()), std::min (h, host.getHeight()));
        if (layer.cover != nullptr)
            layer.cover->setBounds (r);
    }

    void mouseMove (const juce::MouseEvent& event) override
    {
        moveAt (event.getEventRelativeTo (&host).getPosition());
    }

    void mouseDown (const juce::MouseEvent& event) override
    {
        pressAt (event.getEventRelativeTo (&host).getPosition());
    }

    // Layers are visited from the highest number down.
    void moveAt (juce::Point<int> position)
    {
        std::vector<int> toRemove;
        for (auto it = layers.rbegin(); it != layers.rend(); ++it)
        {
            auto& layer = *it->second;
            if (relativeBounds (layer).contains (position) || contentContains (layer, position))
                break;
            if (layer.closeCondition == PopupCloseCondition::MouseLeave)
                toRemove.push_back (it->first);
        }
        for (const auto popup : toRemove)
            remove (popup);
    }

    void pressAt (juce::Point<int> position)
    {
        std::vector<int> toRemove;
        for (auto it = layers.rbegin(); it != layers.rend(); ++it)
        {
            if (contentContains (*it->second, position))
                break;
            toRemove.push_back (it->first);
        }
        for (const auto popup : toRemove)
            remove (popup);
    }

    static bool contentContains (const Layer& layer, juce::Point<int> position)
    {
        return layer.content != nullptr && layer.content->isVisible() &&
               layer.content->getBounds().contains (position);
    }

    juce::Component& host;
    std::map<int, std::unique_ptr<Layer>> layers;
    int lastNumber = 0;

    JUCE_DECLARE_WEAK_REFERENCEABLE (Impl)
};

PopupHost::PopupHost (juce::Component& hostComponent) : impl (std::make_unique<Impl> (hostComponent)) {}

PopupHost::~PopupHost() = default;

int PopupHost::createPopup()
{
    const auto popup = ++impl->lastNumber;
    impl->layers.emplace (popup, std::make_unique<Impl::Layer>());
    return popup;
}

bool PopupHost::isValid (int popup) const { return impl->layers.find (popup) != impl->layers.end(); }

void PopupHost::setPopupComponent (int popup, std::unique_ptr<juce::Component>&& content)
{
    if (auto* layer = impl->find (popup))
    {
        const auto previous = std::move (layer->content);
        layer->content = std::move (content);
    }
}

void PopupHost::setRelativeComponent (int popup, juce::Component& relative, bool cover)
{
    auto* layer = impl->find (popup);
    if (layer == nullptr)
        return;
    layer->relative = &relative;
    if (! cover)
        return;
    // The cover takes the presses meant for the relative component while the popup is open.
    layer->cover = std::make_unique<juce::Component>();
    impl->host.addAndMakeVisible (*layer->cover);
    layer->cover->toFront (false);
    layer->cover->setBounds (impl->relativeBounds (*layer));
}

void PopupHost::resizePopup (int popup, int width, int height)
{
    auto* layer = impl->find (popup);
    if (layer == nullptr)
        return;
    if (width >= 0)
        layer->width = width;
    if (height >= 0)
        layer->height = height;
    if (layer->content != nullptr && layer->content->isVisible())
        impl->layout (*layer);
}

void PopupHost::setAlignment (int popup, PopupAlignment alignment)
{
    if (auto* layer = impl->find (popup))
        layer->alignment = alignment;
}

void PopupHost::setCloseCondition (int popup, PopupCloseCondition condition)
{
    if (auto* layer = impl->find (popup))
        layer->closeCondition = condition;
}

void PopupHost::showPopup (int popup)
{
    auto* layer = impl->find (popup);
    if (layer == nullptr || layer->content == nullptr)
        return;
    impl->host.addAndMakeVisible (*layer->content);
    layer->content->toFront (false);
    impl->layout (*layer);
}

void PopupHost::destroyPopup (int popup)
{
    juce::WeakReference<Impl> weak (impl.get());
    juce::MessageManager::callAsync (
        [weak, popup]
        {
            if (auto* alive = weak.get())
                alive->remove (popup);
        });
}

void PopupHost::closeAllPopups()
{
    auto dying = std::move (impl->layers);
    impl->layers.clear();
}

void PopupHost::layoutPopups()
{
    for (auto& [popup, layer] : impl->layers)
        if (layer->content != nullptr && layer->content->isVisible())
            impl->layout (*layer);
}

void PopupHost::handleMouseMove (juce::Point<int> position) { impl->moveAt (position); }

void PopupHost::handleMousePress (juce::Point<int> position) { impl->pressAt (position); }

int PopupHost::getNumPopups() const { return static_cast<int> (impl->layers.size()); }
} // namespace exl
