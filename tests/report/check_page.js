// Put at the top of a report page: once the page is loaded and drawn, checks it as a person
// would see it and writes "PASS" or the faults into the body's data-check attribute.
window.addEventListener('load', function () {
  var faults = [];
  var cards = Array.prototype.slice.call(document.querySelectorAll('.card'));
  function visible(card) { return !card.hidden && card.getBoundingClientRect().height > 0; }
  function countVisible() { return cards.filter(visible).length; }
  function choose(id, value, event) {
    var control = document.getElementById(id);
    control.value = value;
    control.dispatchEvent(new Event(event));
  }

  if (cards.length === 0) faults.push('no cards');
  cards.forEach(function (card) {
    if (card.getAttribute('data-problems').split(' ').indexOf('failed') !== -1) return;
    var picture = card.querySelector('img.thumb');
    var box = picture ? picture.getBoundingClientRect() : null;
    if (!picture || !picture.complete || picture.naturalWidth === 0 || box.width < 20 || box.height < 20)
      faults.push('no picture with a size: ' + card.getAttribute('data-file'));
  });

  if (countVisible() !== cards.length) faults.push('not every card shown at first');
  var stopped = cards.filter(function (card) {
    return card.getAttribute('data-problems').split(' ').indexOf('stopped') !== -1;
  }).length;
  choose('filter', 'stopped', 'change');
  if (stopped === 0 || countVisible() !== stopped)
    faults.push('filter "stopped" shows ' + countVisible() + ' of ' + stopped);
  choose('filter', 'all', 'change');
  if (countVisible() !== cards.length) faults.push('filter "all" does not show every card again');
  choose('search', 'bracket', 'input');
  if (countVisible() !== 1) faults.push('search "bracket" shows ' + countVisible());
  choose('search', '', 'input');
  choose('sort', 'file', 'change');
  if (countVisible() !== cards.length) faults.push('sorting lost cards');

  document.body.setAttribute('data-check', faults.length ? faults.join('; ') : 'PASS');
});
